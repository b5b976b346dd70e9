// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's number and date formatting as report formats use it.
#include "report/expressions/RpVariant.h"

#include <string>

namespace report {

// A picture of "0" and "#" digits, "," for grouping, the first "." as decimal point, quoted or
// other literal text, and up to three sections (positive; negative; zero) separated by ";".
std::string formatFloatPicture(const std::string& format, double value, char decimalSeparator,
                               char thousandSeparator);
// A printf-style format with one floating-point argument: %[-][width][.precision] followed by e,
// f, g, n (grouped) or m; "%%" is a percent sign. Raises platform::Error for conversions a
// floating-point value cannot take (d, s, x ...) or a second argument.
std::string formatPrintf(const std::string& format, double value, char decimalSeparator,
                         char thousandSeparator);
// d dd ddd dddd ddddd, m mm mmm mmmm (minutes right after an hour), yy yyyy, h hh, n nn, s ss,
// z zzz, c, quoted literals; an empty format is "c" (short date, then the time unless midnight).
std::string formatDateTimePicture(const std::string& format, TDateTime value);

} // namespace report
