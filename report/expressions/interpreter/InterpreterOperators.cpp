// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/interpreter/InterpreterOperators.h"

#include "platform/Error.h"

#include <cmath>
#include <cstdint>

namespace report {
namespace {

using Type = TrpVariant::Type;

bool isIntegral(const TrpVariant& v) {
    return v.type() == Type::Integer || v.type() == Type::Boolean || v.isEmpty();
}

// -1, 0 or 1; strings compare by their bytes when both sides are strings.
int compare(const TrpVariant& a, const TrpVariant& b) {
    if (a.isString() && b.isString())
        return a.stringValue() < b.stringValue() ? -1 : a.stringValue() > b.stringValue() ? 1 : 0;
    if (a.type() == Type::Boolean && b.type() == Type::Boolean)
        return static_cast<int>(a.booleanValue()) - static_cast<int>(b.booleanValue());
    if (a.type() == Type::Integer && b.type() == Type::Integer)
        return a.integerValue() < b.integerValue() ? -1 : a.integerValue() > b.integerValue();
    const double x = a.toFloat(), y = b.toFloat();
    return x < y ? -1 : x > y ? 1 : 0;
}

TrpVariant logical(InterpreterOp op, const TrpVariant& a, const TrpVariant& b) {
    if (a.type() == Type::Integer && b.type() == Type::Integer) {
        const int64_t x = a.integerValue(), y = b.integerValue();
        return op == InterpreterOp::And ? x & y : op == InterpreterOp::Or ? x | y : x ^ y;
    }
    const bool x = a.toBoolean(), y = b.toBoolean();
    return op == InterpreterOp::And ? x && y : op == InterpreterOp::Or ? x || y : x != y;
}

} // namespace

TrpVariant applyBinary(InterpreterOp op, const TrpVariant& a, const TrpVariant& b) {
    switch (op) {
    case InterpreterOp::Equal:
    case InterpreterOp::NotEqual:
    case InterpreterOp::Less:
    case InterpreterOp::Greater:
    case InterpreterOp::LessEqual:
    case InterpreterOp::GreaterEqual: {
        if (a.isNull() || b.isNull()) {
            const bool bothNull = a.isNull() && b.isNull();
            return op == InterpreterOp::Equal      ? bothNull
                   : op == InterpreterOp::NotEqual ? !bothNull
                                                   : false;
        }
        const int c = compare(a, b);
        switch (op) {
        case InterpreterOp::Equal:
            return c == 0;
        case InterpreterOp::NotEqual:
            return c != 0;
        case InterpreterOp::Less:
            return c < 0;
        case InterpreterOp::Greater:
            return c > 0;
        case InterpreterOp::LessEqual:
            return c <= 0;
        default:
            return c >= 0;
        }
    }
    case InterpreterOp::And:
    case InterpreterOp::Or:
    case InterpreterOp::Xor:
        if (a.isNull() || b.isNull())
            return TrpVariant::Null();
        return logical(op, a, b);
    default:
        break;
    }
    if (a.isNull() || b.isNull())
        return TrpVariant::Null();
    if (op == InterpreterOp::Add && a.isString() && b.isString())
        return a.stringValue() + b.stringValue();
    if (op == InterpreterOp::IntDiv || op == InterpreterOp::Mod) {
        const int64_t x = a.toInteger(), y = b.toInteger();
        if (y == 0)
            throw platform::Error("Division by zero");
        if (x == INT64_MIN && y == -1)
            return op == InterpreterOp::IntDiv ? x : int64_t{0};
        return op == InterpreterOp::IntDiv ? x / y : x % y;
    }
    if (op != InterpreterOp::Divide && isIntegral(a) && isIntegral(b)) {
        // Wrapping like the 64-bit integers of the host; no undefined overflow.
        const auto x = static_cast<uint64_t>(a.toInteger()),
                   y = static_cast<uint64_t>(b.toInteger());
        const uint64_t r = op == InterpreterOp::Add        ? x + y
                           : op == InterpreterOp::Subtract ? x - y
                                                           : x * y;
        return static_cast<int64_t>(r);
    }
    const double x = a.toFloat(), y = b.toFloat();
    double r = 0;
    switch (op) {
    case InterpreterOp::Add:
        r = x + y;
        break;
    case InterpreterOp::Subtract:
        r = x - y;
        break;
    case InterpreterOp::Multiply:
        r = x * y;
        break;
    default:
        if (y == 0)
            throw platform::Error("Division by zero");
        r = x / y;
    }
    // Date arithmetic stays a date.
    if ((a.type() == Type::DateTime || b.type() == Type::DateTime) && op != InterpreterOp::Divide &&
        op != InterpreterOp::Multiply)
        return TrpVariant::DateTime(r);
    return r;
}

TrpVariant applyNegate(const TrpVariant& v) {
    if (v.isNull())
        return v;
    if (isIntegral(v))
        return static_cast<int64_t>(0 - static_cast<uint64_t>(v.toInteger()));
    return -v.toFloat();
}

TrpVariant applyNot(const TrpVariant& v) {
    if (v.isNull())
        return v;
    if (v.type() == Type::Integer)
        return ~v.integerValue();
    return !v.toBoolean();
}

} // namespace report
