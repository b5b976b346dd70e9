// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A script: program text in a named language compiled within its own scope (whose parent scope
// the owner chooses), then run or asked for its routines. The report has one for its main script.
#include "report/expressions/interpreter/InterpreterCompiler.h"

#include <memory>
#include <string>
#include <vector>

namespace report {

class InterpreterScript {
public:
    explicit InterpreterScript(const InterpreterScope* parent = nullptr) : Scope(parent) {}

    InterpreterScope Scope;
    std::string Language = "Pascal";
    std::vector<std::string> Lines;

    // Compiles Lines (or the text given); false with Error set on failure. Only the language
    // "Pascal" (letter case ignored) is known.
    bool Compile();
    bool Compile(const std::string& text);
    const InterpreterError& Error() const { return error_; }
    const std::shared_ptr<InterpreterProgram>& Program() const { return program_; }

    bool HasMainStatements() const { return program_ && program_->HasMainStatements(); }
    void RunMain() const;
    // Raises platform::Error when nothing is compiled or the routine does not exist.
    TrpVariant Call(const std::string& routine, std::vector<TrpVariant> arguments = {}) const;

private:
    std::shared_ptr<InterpreterProgram> program_;
    InterpreterError error_;
};

} // namespace report
