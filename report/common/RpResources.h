// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's process-wide table of keyed texts (Hungarian, cp1250). Every engine message and
// caption comes from it; a key without an entry yields the key itself.
#include <string>
#include <vector>

namespace report {

std::string rpResource(const std::string& key);

// One setting of a window text: a string property of a component of the window, or of the window
// itself when the component is empty.
struct TrpWindowTextSetting {
    std::string component;
    std::string property;
    std::string value;
};

// The settings kept under a window's class name ("TrpPreviewForm", "TrpPrintDialog" ...), one per
// line of the form component.property=value or property=value.
std::vector<TrpWindowTextSetting> rpWindowTexts(const std::string& windowClass);

} // namespace report
