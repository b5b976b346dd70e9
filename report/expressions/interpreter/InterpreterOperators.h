// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Operators of the script language on variants. Null in arithmetic gives null; strings join with
// "+"; integers stay integers except under "/"; comparisons with null are false (except "<>"
// between null and a value).
#include "report/expressions/RpVariant.h"

namespace report {

enum class InterpreterOp {
    Add,
    Subtract,
    Multiply,
    Divide,
    IntDiv,
    Mod,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    And,
    Or,
    Xor,
};

// Raises platform::Error for operands the operator cannot take (and on division by zero).
TrpVariant applyBinary(InterpreterOp op, const TrpVariant& left, const TrpVariant& right);
TrpVariant applyNegate(const TrpVariant& value);
TrpVariant applyNot(const TrpVariant& value);

} // namespace report
