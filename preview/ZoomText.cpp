// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/ZoomText.h"

#include "platform/NumberText.h"

#include "platform/RegionalSettings.h"

#include "report/common/RpTypes.h"

namespace preview {

std::string zoomBoxText(double zoom) {
    return std::to_string(report::rpRound(zoom * 100)) + "%";
}

std::optional<double> zoomEntryPercent(const std::string& text) {
    std::string s = text;
    if (const size_t percent = s.find('%'); percent != std::string::npos)
        s[percent] = ' ';
    const char decimal = platform::regionalSettings().decimalSeparator;
    std::string number;
    for (const char c : s) {
        if (c == ' ')
            continue;
        number.push_back(c == ',' || c == '.' ? decimal : c);
    }
    if (number.empty())
        return std::nullopt;
    // No group separator: the conversion takes the text as it is, as the platform's does.
    const platform::NumberSeparators separators{decimal, '\0'};
    return static_cast<double>(platform::ParseNumber(number, separators));
}

} // namespace preview
