// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compiled expressions of one run, filed under their text (letter case ignored): each distinct
// expression is compiled once as the function "_f" + N of a small program whose scope's parent
// is the report script's scope.
#include "report/expressions/interpreter/InterpreterScript.h"

#include <map>
#include <memory>
#include <string>

namespace report {

class TrpExpressionCache {
public:
    explicit TrpExpressionCache(const InterpreterScope* parent) : scope_(parent) {}

    // The compiled function of the expression, compiling it on a miss; null with error set when
    // it does not compile (nothing is filed then).
    const InterpreterRoutine* Find(const std::string& expression, InterpreterError& error);
    size_t Count() const { return entries_.size(); }
    void Clear() { entries_.clear(); }
    InterpreterScope& Scope() { return scope_; }

private:
    struct CaseInsensitiveLess {
        bool operator()(const std::string& a, const std::string& b) const {
            return upperAscii(a) < upperAscii(b);
        }
    };
    struct Entry {
        std::shared_ptr<InterpreterProgram> program;
        const InterpreterRoutine* routine = nullptr;
    };
    InterpreterScope scope_;
    std::map<std::string, Entry, CaseInsensitiveLess> entries_;
};

} // namespace report
