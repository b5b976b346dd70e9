// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Floating-point numbers as text in the one form the program's files and expressions use: a full
// stop before the fraction and "e" before the exponent. The C library's conversions (strtod,
// printf) follow the locale that Qt sets from the environment, so under hu_HU they would read
// "1.5" as 1 and write "1,5"; these never look at any locale.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The number at the start of text: an optional sign, digits with an optional fraction, an
// optional exponent, or "inf", "infinity" and "nan" in any letter case. The value is stored and
// the count of characters read returned; 0 (value untouched) when no number starts there. A
// number beyond the double range reads as infinity, one too small for it as zero, both with their
// sign.
size_t readDouble(std::string_view text, double& value);

// The whole text as a number (readDouble), or nothing when anything else is left.
std::optional<double> textToDouble(std::string_view text);

// printf's %.*f, %.*e and %.*g of a double, exponents as printf writes them ("1.5e+20").
enum class FloatForm { Fixed, Scientific, General };
std::string doubleToText(double value, FloatForm form, int precision);

} // namespace platform
