// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compiled, reusable form of a script: its functions and procedures and its main block, with
// every name already bound to a local slot, a declared routine or a scope entry.
#include "report/expressions/interpreter/InterpreterOperators.h"
#include "report/expressions/interpreter/InterpreterScope.h"

#include <memory>
#include <string>
#include <vector>

namespace report {

struct InterpreterFrame {
    std::vector<TrpVariant> locals; // Result (functions), parameters, then variables
};

struct InterpreterExpression {
    virtual ~InterpreterExpression() = default;
    virtual TrpVariant eval(InterpreterFrame& frame) const = 0;
};

struct InterpreterStatement {
    virtual ~InterpreterStatement() = default;
    virtual void exec(InterpreterFrame& frame) const = 0;
};

using InterpreterExpressions = std::vector<std::unique_ptr<InterpreterExpression>>;
using InterpreterStatements = std::vector<std::unique_ptr<InterpreterStatement>>;

struct InterpreterRoutine {
    std::string name;
    bool isFunction = false;
    int parameterCount = 0;
    int localCount = 0; // slots in all, Result included for functions
    InterpreterStatements body;

    TrpVariant call(std::vector<TrpVariant> arguments) const;
};

class InterpreterProgram {
public:
    std::vector<std::unique_ptr<InterpreterRoutine>> routines;
    InterpreterStatements main;

    // Ignoring letter case; null when not declared.
    const InterpreterRoutine* FindRoutine(const std::string& name) const;
    bool HasMainStatements() const { return !main.empty(); }
    void RunMain() const;
    // Raises platform::Error when no such routine exists or the argument count is wrong.
    TrpVariant Call(const std::string& name, std::vector<TrpVariant> arguments = {}) const;
};

} // namespace report
