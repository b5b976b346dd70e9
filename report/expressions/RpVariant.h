// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Expression values: empty (unassigned), null, string (cp1250), integer, floating point, date-time
// or Boolean. Date-time values count days since 1899-12-30, the fraction being the time of day.
#include <QDateTime>
#include <cstdint>
#include <string>
#include <variant>

namespace report {

using TDateTime = double;

TDateTime toDateTime(const QDateTime& moment);
QDateTime fromDateTime(TDateTime value);

class TrpVariant {
public:
    enum class Type { Empty, Null, String, Integer, Float, DateTime, Boolean };

    TrpVariant() = default;
    TrpVariant(std::string value) : value_(std::move(value)) {}
    TrpVariant(const char* value) : value_(std::string(value)) {}
    TrpVariant(int value) : value_(int64_t{value}) {}
    TrpVariant(int64_t value) : value_(value) {}
    TrpVariant(double value) : value_(value) {}
    TrpVariant(bool value) : value_(value) {}
    static TrpVariant Null();
    static TrpVariant DateTime(TDateTime value);

    Type type() const;
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isString() const { return type() == Type::String; }
    bool isNumeric() const; // integer, floating point or date-time

    // The default conversion to text: strings as they are, integers in decimal, floating-point
    // numbers in the shortest general form of up to 15 significant digits with the regional
    // decimal separator, date-times in the short date format (with the time unless midnight),
    // Booleans as "True"/"False", null and empty as "".
    std::string toString() const;
    // Conversions for arithmetic; a string that is no number raises platform::Error.
    double toFloat() const;
    int64_t toInteger() const;
    bool toBoolean() const;

    const std::string& stringValue() const { return std::get<std::string>(value_); }
    int64_t integerValue() const { return std::get<int64_t>(value_); }
    double floatValue() const { return std::get<double>(value_); }
    bool booleanValue() const { return std::get<bool>(value_); }
    TDateTime dateTimeValue() const { return std::get<DateTimeValue>(value_).value; }

    friend bool operator==(const TrpVariant&, const TrpVariant&) = default;

private:
    struct NullValue {
        friend bool operator==(NullValue, NullValue) = default;
    };
    struct DateTimeValue {
        TDateTime value;
        friend bool operator==(DateTimeValue, DateTimeValue) = default;
    };
    std::variant<std::monostate, NullValue, std::string, int64_t, double, DateTimeValue, bool>
        value_;
};

// The general form of a floating-point number with up to 15 significant digits ("0.3", "1E20").
std::string floatToText(double value, char decimalSeparator);

} // namespace report
