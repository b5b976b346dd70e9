// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberConversion.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace platform {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a number written in range-exceeding form is tiny (its decimal exponent, as written, is
// negative) rather than huge. Only called on text that from_chars took as a number.
bool writtenBelowOne(std::string_view number) {
    size_t i = 0;
    long leading = 0; // the power of ten of the first significant digit, counted from the point
    bool seenSignificant = false, afterPoint = false;
    long position = 0;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!isDigit(c))
            break;
        if (!seenSignificant && c != '0') {
            seenSignificant = true;
            leading = afterPoint ? -position - 1 : 0;
        } else if (seenSignificant && !afterPoint) {
            ++leading;
        }
        if (afterPoint)
            ++position;
    }
    long exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        bool negative = false;
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negative = number[i++] == '-';
        for (; i < number.size() && isDigit(number[i]); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 100000L);
        if (negative)
            exponent = -exponent;
    }
    return leading + exponent < 0;
}

} // namespace

size_t readDouble(std::string_view text, double& value) {
    size_t start = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        start = 1;
    }
    // from_chars takes no sign of its own before the digits; a second sign is no number.
    if (start < text.size() && (text[start] == '+' || text[start] == '-'))
        return 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    double parsed = 0;
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0;
    if (result.ec == std::errc::result_out_of_range)
        parsed = writtenBelowOne(std::string_view(first, static_cast<size_t>(result.ptr - first)))
                     ? 0.0
                     : std::numeric_limits<double>::infinity();
    value = negative ? -parsed : parsed;
    return static_cast<size_t>(result.ptr - text.data());
}

std::optional<double> textToDouble(std::string_view text) {
    double value = 0;
    if (text.empty() || readDouble(text, value) != text.size())
        return std::nullopt;
    return value;
}

std::string doubleToText(double value, FloatForm form, int precision) {
    if (precision < 0)
        precision = 6; // printf's default
    const std::chars_format format = form == FloatForm::Fixed        ? std::chars_format::fixed
                                     : form == FloatForm::Scientific ? std::chars_format::scientific
                                                                     : std::chars_format::general;
    // The longest fixed text is the 309 integer digits of the largest double, its sign, the point
    // and the fraction digits.
    std::string text(static_cast<size_t>(precision) + 330, '\0');
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    text.resize(static_cast<size_t>(result.ptr - text.data()));
    return text;
}

} // namespace platform
