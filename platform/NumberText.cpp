// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"

#include "platform/Error.h"
#include "platform/RegionalSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace platform {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value as decimal digits: 0.digits × 10^point, the digits without leading or trailing zeros
// (none at all for zero). Eighteen significant digits are kept, as many as the extended type
// carries reliably; rounding to fewer digits then works on what the user typed ("1,005" with two
// decimals gives "1,01") and not on the binary value's tail.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

Decimal toDecimal(long double x) {
    Decimal d;
    d.negative = std::signbit(x);
    if (x == 0)
        return d;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                      std::chars_format::scientific, 17);
    const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    const size_t e = text.find('e');
    d.digits.push_back(text[0]);
    d.digits.append(text.substr(2, e - 2));
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+')
        exponent.remove_prefix(1);
    int power = 0;
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
    d.point = power + 1;
    return d;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The value rounded half away from zero to a number of decimals.
struct Fixed {
    bool negative = false;
    std::string integer; // at least one digit, no leading zeros
    std::string fraction;
};

Fixed roundFixed(const Decimal& d, int decimals) {
    const int keep = d.point + decimals; // digits of d that lie before the cut
    const int length = static_cast<int>(d.digits.size());
    std::string scaled; // round(|x| × 10^decimals)
    if (keep < 0 || (keep == 0 && (d.digits.empty() || d.digits[0] < '5'))) {
        scaled = "0";
    } else if (keep == 0) {
        scaled = "1";
    } else {
        scaled = d.digits.substr(0, static_cast<size_t>(std::min(keep, length)));
        scaled.append(static_cast<size_t>(keep - static_cast<int>(scaled.size())), '0');
        if (keep < length && d.digits[static_cast<size_t>(keep)] >= '5')
            increment(scaled);
    }
    const auto width = static_cast<size_t>(decimals) + 1;
    if (scaled.size() < width)
        scaled.insert(0, width - scaled.size(), '0');
    Fixed f;
    f.integer = scaled.substr(0, scaled.size() - static_cast<size_t>(decimals));
    f.fraction = scaled.substr(f.integer.size());
    const size_t first = f.integer.find_first_not_of('0');
    f.integer.erase(0, std::min(first, f.integer.size() - 1));
    // A value that rounds to zero shows no sign.
    f.negative = d.negative && scaled.find_first_not_of('0') != std::string::npos;
    return f;
}

void dropTrailingZeros(std::string& fraction) {
    fraction.erase(fraction.find_last_not_of('0') + 1);
}

std::string grouped(const std::string& integer, char thousandSeparator) {
    std::string out;
    out.reserve(integer.size() + integer.size() / 3);
    for (size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out.push_back(thousandSeparator);
        out.push_back(integer[i]);
    }
    return out;
}

std::string compose(const Fixed& f, bool group, const NumberSeparators& separators) {
    std::string out = f.negative ? "-" : "";
    out += group ? grouped(f.integer, separators.thousand) : f.integer;
    if (!f.fraction.empty()) {
        out.push_back(separators.decimal);
        out += f.fraction;
    }
    return out;
}

int fractionDigits(int decimals) {
    return decimals < 0 ? 14 : decimals;
}

std::string scientific(const Decimal& d, int decimals, const NumberSeparators& separators) {
    Fixed mantissa;
    int exponent = 0;
    if (d.digits.empty()) {
        mantissa.integer = "0";
        mantissa.fraction.assign(static_cast<size_t>(fractionDigits(decimals)), '0');
    } else {
        // Shift the decimal point behind the first significant digit.
        Decimal m = d;
        m.point = 1;
        mantissa = roundFixed(m, fractionDigits(decimals));
        exponent = d.point - 1;
        if (mantissa.integer.size() > 1) { // 9.99… rounded up to 10
            m.point = 0;
            mantissa = roundFixed(m, fractionDigits(decimals));
            ++exponent;
        }
    }
    if (decimals < 0)
        dropTrailingZeros(mantissa.fraction);
    return compose(mantissa, false, separators) + 'E' + std::to_string(exponent);
}

// |m| > 10^nines - 1, for the mantissa's digit budget.
bool exceedsNines(const Decimal& m, int nines) {
    if (m.point != nines)
        return m.point > nines;
    return m.digits.size() > static_cast<size_t>(nines) &&
           m.digits.compare(0, static_cast<size_t>(nines), std::string(nines, '9')) == 0;
}

std::string engineering(const Decimal& d, int decimals, const NumberSeparators& separators) {
    // k = 3 × trunc(log10 |x| / 3), worked out on the digits so that powers of ten are exact.
    const int floorLog = d.point - 1;
    const bool powerOfTen = d.digits == "1";
    int k;
    if (floorLog >= 0 || powerOfTen) {
        k = 3 * (floorLog / 3);
    } else {
        const int a = -floorLog;
        k = -3 * (a % 3 == 0 ? a / 3 - 1 : a / 3);
    }
    Decimal m = d;
    m.point -= k;
    int budget = 14;
    if (exceedsNines(m, 1))
        --budget;
    if (exceedsNines(m, 2))
        --budget;
    if (decimals >= 0 && decimals < budget)
        budget = decimals;
    Fixed mantissa = roundFixed(m, budget);
    if (decimals < 0)
        dropTrailingZeros(mantissa.fraction);
    return compose(mantissa, false, separators) + 'E' + std::to_string(k);
}

} // namespace

NumberSeparators NumberSeparators::current() {
    const auto& settings = platform::regionalSettings();
    return {settings.decimalSeparator, settings.thousandSeparator};
}

std::string StripGroupSeparators(std::string_view text, char thousandSeparator) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != thousandSeparator)
            out.push_back(c);
    if (out.empty())
        return "0";
    if (out == "-")
        return "-0";
    return out;
}

long double ParseNumber(std::string_view text, const NumberSeparators& separators) {
    const std::string s = StripGroupSeparators(text, separators.thousand);
    const auto fail = [&] {
        throw platform::ConvertError("'" + s + "' is not a valid floating point value");
    };
    const size_t n = s.size();
    size_t i = 0;
    while (i < n && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string digits;
    bool seen = false;
    while (i < n && isDigit(s[i])) {
        digits.push_back(s[i++]);
        seen = true;
    }
    long fractionCount = 0;
    if (i < n && s[i] == separators.decimal) {
        seen = true;
        ++i;
        for (; i < n && isDigit(s[i]); ++i, ++fractionCount)
            digits.push_back(s[i]);
    }
    if (!seen)
        fail();
    long exponent = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            exponentNegative = s[i++] == '-';
        // The platform stops reading exponent digits at 500; a further digit is then left over.
        while (i < n && isDigit(s[i]) && exponent < 500)
            exponent = exponent * 10 + (s[i++] - '0');
        if (exponentNegative)
            exponent = -exponent;
    }
    while (i < n && s[i] == ' ')
        ++i;
    if (i != n)
        fail();

    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return 0.0L;
    const long power = exponent - fractionCount;
    const std::string normal = digits + 'e' + std::to_string(power);
    long double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large is an error; too small is zero.
        if (static_cast<long>(digits.size()) + power > 0)
            fail();
        value = 0;
    }
    return negative ? -value : value;
}

std::string FormatNumber(long double x, TNumberFormat format, int decimals,
                         const NumberSeparators& separators) {
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";
    const Decimal d = toDecimal(x);
    if (format == TNumberFormat::Engineering && !d.digits.empty())
        return engineering(d, decimals, separators);
    if (format == TNumberFormat::Scientific || format == TNumberFormat::Engineering)
        return scientific(d, decimals, separators);

    const bool group = format == TNumberFormat::Thousands;
    Fixed f = roundFixed(d, fractionDigits(decimals));
    if (decimals < 0)
        dropTrailingZeros(f.fraction);
    if (f.fraction.empty())
        return compose(f, group, separators);

    // At most 15 significant digits where the shape asks for it; the integer digits always stay.
    const int integerDigits = static_cast<int>(f.integer.size());
    const int room = std::max(0, 15 - integerDigits);
    if (decimals < 0) {
        if (!group)
            return compose(f, group, separators);
        f = roundFixed(d, room);
        dropTrailingZeros(f.fraction);
        return compose(f, group, separators);
    }
    if (room < decimals) {
        f = roundFixed(d, room);
        // The shown decimals stay at their number, also when no digit is left for them.
        f.fraction.append(static_cast<size_t>(decimals - room), '0');
    }
    return compose(f, group, separators);
}

} // namespace platform
