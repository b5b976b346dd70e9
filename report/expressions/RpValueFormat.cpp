// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/RpValueFormat.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "platform/NumberConversion.h"
#include "platform/RegionalSettings.h"

#include <QLocale>
#include <cctype>
#include <cmath>
#include <vector>

namespace report {
namespace {

std::vector<std::string> splitSections(const std::string& format) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

std::string group(const std::string& digits, char separator) {
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

std::string fixed(double value, int decimals) {
    return platform::doubleToText(value, platform::FloatForm::Fixed, decimals);
}

std::string upperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The digits of |value| with the given number of decimals: integer part and fraction.
void splitNumber(double value, int decimals, std::string& whole, std::string& fraction) {
    const std::string s = fixed(std::fabs(value), decimals);
    const size_t dot = s.find('.');
    whole = s.substr(0, dot);
    fraction = dot == std::string::npos ? std::string() : s.substr(dot + 1);
}

std::string applySection(const std::string& section, double value, char decimalSeparator,
                         char thousandSeparator) {
    std::string prefix, suffix;
    int minWhole = 0, maxFraction = 0, minFraction = 0;
    bool grouping = false, seenDigit = false, afterPoint = false;
    char quote = 0;
    for (char c : section) {
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                (seenDigit ? suffix : prefix) += c;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '0' || c == '#') {
            seenDigit = true;
            if (afterPoint) {
                ++maxFraction;
                if (c == '0')
                    minFraction = maxFraction;
            } else if (c == '0' || minWhole > 0) {
                ++minWhole;
            }
            suffix.clear(); // literals between digits are not kept
        } else if (c == '.') {
            afterPoint = true; // the first point counts, later ones are ignored
        } else if (c == ',') {
            grouping = true;
        } else {
            (seenDigit ? suffix : prefix) += c;
        }
    }
    std::string whole, fraction;
    splitNumber(value, maxFraction, whole, fraction);
    while (static_cast<int>(fraction.size()) > minFraction && fraction.back() == '0')
        fraction.pop_back();
    if (whole == "0" && minWhole == 0)
        whole.clear();
    while (static_cast<int>(whole.size()) < minWhole)
        whole.insert(0, 1, '0');
    if (grouping)
        whole = group(whole, thousandSeparator);
    std::string number = whole;
    if (!fraction.empty())
        number += decimalSeparator + fraction;
    return prefix + number + suffix;
}

} // namespace

std::string formatFloatPicture(const std::string& format, double value, char decimalSeparator,
                               char thousandSeparator) {
    const std::vector<std::string> sections = splitSections(format);
    if (value == 0 && sections.size() >= 3 && !sections[2].empty())
        return applySection(sections[2], 0, decimalSeparator, thousandSeparator);
    if (value < 0 && sections.size() >= 2 && !sections[1].empty())
        return applySection(sections[1], value, decimalSeparator, thousandSeparator);
    const std::string text = applySection(sections[0], value, decimalSeparator, thousandSeparator);
    // A negative value that rounds to zero digits prints without its sign.
    return value < 0 && text.find_first_of("123456789") != std::string::npos ? "-" + text : text;
}

std::string formatPrintf(const std::string& format, double value, char decimalSeparator,
                         char thousandSeparator) {
    std::string out;
    bool used = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        size_t j = i + 1;
        const bool left = j < format.size() && format[j] == '-';
        if (left)
            ++j;
        int width = 0, precision = -1;
        while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
            width = std::min(width * 10 + (format[j++] - '0'), 1000);
        if (j < format.size() && format[j] == '.') {
            precision = 0;
            for (++j; j < format.size() && std::isdigit(static_cast<unsigned char>(format[j]));)
                precision = std::min(precision * 10 + (format[j++] - '0'), 100);
        }
        const char type = j < format.size() ? static_cast<char>(std::tolower(format[j])) : '\0';
        if (used || (type != 'e' && type != 'f' && type != 'g' && type != 'n' && type != 'm'))
            throw platform::Error("Format '" + format + "' invalid or incompatible with argument");
        used = true;
        std::string text;
        if (type == 'e') {
            text =
                upperCase(platform::doubleToText(value, platform::FloatForm::Scientific,
                                                 precision < 0 ? 14 : std::max(precision - 1, 0)));
        } else if (type == 'g') {
            text = upperCase(platform::doubleToText(value, platform::FloatForm::General,
                                                    precision < 0 ? 15 : std::max(precision, 1)));
        } else {
            std::string whole, fraction;
            splitNumber(value, precision < 0 ? 2 : precision, whole, fraction);
            if (type != 'f')
                whole = group(whole, thousandSeparator);
            text =
                (value < 0 && (whole + fraction).find_first_not_of('0') != std::string::npos ? "-"
                                                                                             : "") +
                whole + (fraction.empty() ? "" : "." + fraction);
        }
        for (char& c : text)
            if (c == '.')
                c = decimalSeparator;
        if (static_cast<int>(text.size()) < width)
            text = left ? text + std::string(width - text.size(), ' ')
                        : std::string(width - text.size(), ' ') + text;
        out += text;
        i = j;
    }
    return out;
}

std::string formatDateTimePicture(const std::string& format, TDateTime value) {
    const QDateTime moment = fromDateTime(value);
    const QDate date = moment.date();
    const QTime time = moment.time();
    const QLocale locale = QLocale::system();
    const auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    const auto text = [](const QString& s) { return platform::toCp1250(s); };
    if (format.empty() || format == "c" || format == "C") {
        std::string s = platform::formatShortDate(date);
        if (time != QTime(0, 0))
            s += " " + text(time.toString(
                           platform::toUnicode(platform::regionalSettings().longTimeFormat)));
        return s;
    }
    std::string out;
    bool afterHour = false;
    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        size_t run = 1;
        while (i + run < format.size() &&
               std::tolower(static_cast<unsigned char>(format[i + run])) == lower)
            ++run;
        if (c == '"' || c == '\'') {
            const size_t end = format.find(c, i + 1);
            out += format.substr(i + 1, (end == std::string::npos ? format.size() : end) - i - 1);
            i = end == std::string::npos ? format.size() : end + 1;
            continue;
        }
        switch (lower) {
        case 'd':
            out += run == 1   ? std::to_string(date.day())
                   : run == 2 ? two(date.day())
                   : run == 3 ? text(locale.dayName(date.dayOfWeek(), QLocale::ShortFormat))
                   : run == 4 ? text(locale.dayName(date.dayOfWeek(), QLocale::LongFormat))
                              : platform::formatShortDate(date);
            break;
        case 'm':
            if (afterHour && run <= 2)
                out += run == 1 ? std::to_string(time.minute()) : two(time.minute());
            else
                out += run == 1   ? std::to_string(date.month())
                       : run == 2 ? two(date.month())
                       : run == 3 ? text(locale.monthName(date.month(), QLocale::ShortFormat))
                                  : text(locale.monthName(date.month(), QLocale::LongFormat));
            break;
        case 'y':
            out += run <= 2 ? two(date.year() % 100) : std::to_string(date.year());
            break;
        case 'h':
            out += run == 1 ? std::to_string(time.hour()) : two(time.hour());
            break;
        case 'n':
            out += run == 1 ? std::to_string(time.minute()) : two(time.minute());
            break;
        case 's':
            out += run == 1 ? std::to_string(time.second()) : two(time.second());
            break;
        case 'z':
            out += run < 3 ? std::to_string(time.msec())
                           : (time.msec() < 100 ? (time.msec() < 10 ? "00" : "0") : "") +
                                 std::to_string(time.msec());
            break;
        default:
            out += format.substr(i, run);
        }
        afterHour = lower == 'h' || (afterHour && !std::isalpha(static_cast<unsigned char>(c)));
        i += run;
    }
    return out;
}

} // namespace report
