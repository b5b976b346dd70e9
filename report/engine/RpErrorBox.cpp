// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/engine/RpErrorBox.h"

#include "report/common/RpResources.h"

namespace report {

std::string rpErrorBoxText(const std::vector<std::string>& lines) {
    std::string text = rpResource("clErrors") + "\n";
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

} // namespace report
