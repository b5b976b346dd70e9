// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview's zoom box speaks per cent: it shows the zoom as a whole number followed by "%",
// and reads what the user types into it leniently (a trailing "%", blanks, either decimal
// separator).
#include <optional>
#include <string>

namespace preview {

// Round(zoom × 100) with halves to even, then "%": 0.375 reads "38%".
std::string zoomBoxText(double zoom);

// The per cent value of an entry: its first "%" and all blanks dropped, every "," and "." taken
// as the decimal separator, then the platform's text-to-float rules. Nothing when nothing is
// left; platform::ConvertError ("'<text>' is not a valid floating point value") for anything that
// is not a number. Text is cp1250.
std::optional<double> zoomEntryPercent(const std::string& text);

} // namespace preview
