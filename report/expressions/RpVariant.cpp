// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/RpVariant.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "platform/NumberConversion.h"
#include "platform/RegionalSettings.h"

#include <charconv>
#include <cmath>

namespace report {
namespace {

const QDate dateBase(1899, 12, 30);

std::string typeName(TrpVariant::Type type) {
    switch (type) {
    case TrpVariant::Type::Empty:
        return "Empty";
    case TrpVariant::Type::Null:
        return "Null";
    case TrpVariant::Type::String:
        return "String";
    case TrpVariant::Type::Integer:
        return "Integer";
    case TrpVariant::Type::Float:
        return "Double";
    case TrpVariant::Type::DateTime:
        return "Date";
    case TrpVariant::Type::Boolean:
        return "Boolean";
    }
    return {};
}

[[noreturn]] void conversionError(TrpVariant::Type from, const char* to) {
    throw platform::Error("Could not convert variant of type (" + typeName(from) + ") into type (" +
                          to + ")");
}

// A number written as text, with either the regional or a full stop as decimal separator.
bool parseNumber(const std::string& text, double& out) {
    std::string s = text;
    const char sep = platform::regionalSettings().decimalSeparator;
    for (char& c : s)
        if (c == sep)
            c = '.';
    size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    if (b == std::string::npos)
        return false;
    const std::optional<double> value = platform::textToDouble(s.substr(b, e - b + 1));
    if (!value || std::isnan(*value))
        return false;
    out = *value;
    return true;
}

} // namespace

TDateTime toDateTime(const QDateTime& moment) {
    const double days = static_cast<double>(dateBase.daysTo(moment.date()));
    const double ms = moment.time().msecsSinceStartOfDay();
    return days + ms / 86400000.0;
}

QDateTime fromDateTime(TDateTime value) {
    const double whole = std::floor(value);
    const auto ms = static_cast<int>(std::llround((value - whole) * 86400000.0));
    return QDateTime(dateBase.addDays(static_cast<qint64>(whole)), QTime(0, 0))
        .addMSecs(std::min(ms, 86399999));
}

TrpVariant TrpVariant::Null() {
    TrpVariant v;
    v.value_ = NullValue{};
    return v;
}

TrpVariant TrpVariant::DateTime(TDateTime value) {
    TrpVariant v;
    v.value_ = DateTimeValue{value};
    return v;
}

TrpVariant::Type TrpVariant::type() const {
    return static_cast<Type>(value_.index());
}

bool TrpVariant::isNumeric() const {
    const Type t = type();
    return t == Type::Integer || t == Type::Float || t == Type::DateTime;
}

std::string floatToText(double value, char decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    std::string s = platform::doubleToText(value, platform::FloatForm::General, 15);
    const size_t e = s.find('e');
    std::string exponent;
    if (e != std::string::npos) {
        // "1e+20" becomes "1E20", "1e-05" becomes "1E-5".
        const std::string digits = s.substr(e + 1);
        s.erase(e);
        const bool negative = digits[0] == '-';
        int magnitude = 0;
        std::from_chars(digits.data() + 1, digits.data() + digits.size(), magnitude);
        exponent = std::string("E") + (negative ? "-" : "") + std::to_string(magnitude);
    }
    for (char& c : s)
        if (c == '.')
            c = decimalSeparator;
    return s + exponent;
}

std::string TrpVariant::toString() const {
    switch (type()) {
    case Type::Empty:
    case Type::Null:
        return {};
    case Type::String:
        return stringValue();
    case Type::Integer:
        return std::to_string(integerValue());
    case Type::Float:
        return floatToText(floatValue(), platform::regionalSettings().decimalSeparator);
    case Type::DateTime: {
        const QDateTime moment = fromDateTime(dateTimeValue());
        std::string text = platform::formatShortDate(moment.date());
        if (moment.time() != QTime(0, 0))
            text += " " + platform::toCp1250(moment.time().toString(
                              platform::toUnicode(platform::regionalSettings().longTimeFormat)));
        return text;
    }
    case Type::Boolean:
        return booleanValue() ? "True" : "False";
    }
    return {};
}

double TrpVariant::toFloat() const {
    switch (type()) {
    case Type::Empty:
        return 0;
    case Type::Integer:
        return static_cast<double>(integerValue());
    case Type::Float:
        return floatValue();
    case Type::DateTime:
        return dateTimeValue();
    case Type::Boolean:
        return booleanValue() ? -1 : 0;
    case Type::String: {
        double d = 0;
        if (!parseNumber(stringValue(), d))
            conversionError(type(), "Double");
        return d;
    }
    case Type::Null:
        break;
    }
    conversionError(type(), "Double");
}

int64_t TrpVariant::toInteger() const {
    switch (type()) {
    case Type::Integer:
        return integerValue();
    case Type::Boolean:
        return booleanValue() ? -1 : 0;
    case Type::Empty:
        return 0;
    case Type::Float:
    case Type::DateTime:
    case Type::String:
        return std::llrint(toFloat());
    case Type::Null:
        break;
    }
    conversionError(type(), "Integer");
}

bool TrpVariant::toBoolean() const {
    switch (type()) {
    case Type::Boolean:
        return booleanValue();
    case Type::Empty:
        return false;
    case Type::Integer:
        return integerValue() != 0;
    case Type::Float:
    case Type::DateTime:
        return toFloat() != 0;
    case Type::String: {
        const std::string& s = stringValue();
        if (s.size() == 4 && (s == "True" || s == "TRUE" || s == "true"))
            return true;
        if (s.size() == 5 && (s == "False" || s == "FALSE" || s == "false"))
            return false;
        return toFloat() != 0;
    }
    case Type::Null:
        break;
    }
    conversionError(type(), "Boolean");
}

} // namespace report
