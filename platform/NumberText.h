// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a number as the numeric edit shows it: reading it with the platform's text-to-float
// rules and building it from a value in one of four shapes. Text is code page 1250; DS and TS are
// the user's decimal and thousands separators.
#include <string>
#include <string_view>

namespace platform {

enum class TNumberFormat { Standard, Thousands, Scientific, Engineering };

struct NumberSeparators {
    char decimal = '.';
    char thousand = ',';

    // The separators of the regional settings in force.
    static NumberSeparators current();
};

// Every TS removed; an empty result reads "0" and a lone "-" reads "-0".
std::string StripGroupSeparators(std::string_view text, char thousandSeparator);

// StripGroupSeparators of the text, converted with the platform's text-to-float rules. Text that
// does not convert, or whose value overflows, raises platform::ConvertError("'<stripped>' is not a
// valid floating point value").
long double ParseNumber(std::string_view text, const NumberSeparators& separators);

// decimals is -1 (as many as the value needs) or 0..14.
std::string FormatNumber(long double x, TNumberFormat format, int decimals,
                         const NumberSeparators& separators);

} // namespace platform
