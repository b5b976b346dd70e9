// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/interpreter/InterpreterProgram.h"

#include "platform/Error.h"

namespace report {
namespace {

// A script that calls itself without end must fail, not take the program down.
constexpr int maxCallDepth = 256;
thread_local int callDepth = 0;

} // namespace

TrpVariant InterpreterRoutine::call(std::vector<TrpVariant> arguments) const {
    if (callDepth >= maxCallDepth)
        throw platform::Error("Stack overflow in '" + name + "'");
    struct DepthGuard {
        DepthGuard() { ++callDepth; }
        ~DepthGuard() { --callDepth; }
    } guard;
    InterpreterFrame frame;
    frame.locals.resize(static_cast<size_t>(localCount));
    const size_t first = isFunction ? 1 : 0;
    for (size_t i = 0; i < arguments.size(); ++i)
        frame.locals[first + i] = std::move(arguments[i]);
    for (const auto& statement : body)
        statement->exec(frame);
    return isFunction ? frame.locals[0] : TrpVariant();
}

const InterpreterRoutine* InterpreterProgram::FindRoutine(const std::string& name) const {
    const std::string key = upperAscii(name);
    for (const auto& r : routines)
        if (upperAscii(r->name) == key)
            return r.get();
    return nullptr;
}

void InterpreterProgram::RunMain() const {
    InterpreterFrame frame;
    for (const auto& statement : main)
        statement->exec(frame);
}

TrpVariant InterpreterProgram::Call(const std::string& name,
                                    std::vector<TrpVariant> arguments) const {
    const InterpreterRoutine* routine = FindRoutine(name);
    if (!routine)
        throw platform::Error("Undeclared identifier: '" + name + "'");
    if (static_cast<int>(arguments.size()) != routine->parameterCount)
        throw platform::Error("Wrong number of parameters for '" + name + "'");
    return routine->call(std::move(arguments));
}

} // namespace report
