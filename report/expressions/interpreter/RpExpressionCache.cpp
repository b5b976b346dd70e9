// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/interpreter/RpExpressionCache.h"

namespace report {

const InterpreterRoutine* TrpExpressionCache::Find(const std::string& expression,
                                                   InterpreterError& error) {
    if (const auto it = entries_.find(expression); it != entries_.end())
        return it->second.routine;
    const std::string name = "_f" + std::to_string(entries_.size());
    const std::string text =
        "function " + name + ": Variant; begin Result := " + expression + " end; begin end.";
    auto program = compileScript(text, scope_, error);
    if (!program)
        return nullptr;
    const InterpreterRoutine* routine = program->FindRoutine(name);
    entries_[expression] = {std::move(program), routine};
    return routine;
}

} // namespace report
