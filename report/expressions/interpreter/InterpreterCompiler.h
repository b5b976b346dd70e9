// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compiler of the report's script language, a small Pascal: optional function and procedure
// declarations (with parameters and var sections) before a main block "begin ... end.";
// statements are assignments, calls, begin/end blocks, if/then/else and while/do; expressions
// have integer, floating-point and quoted string literals, True/False/Null, + - * / div mod,
// = <> < > <= >=, and or xor not, parentheses and calls. Every name is bound when compiling:
// locals, then the program's routines, then the scope chain; an unknown name is a compile error.
#include "report/expressions/interpreter/InterpreterLexer.h"
#include "report/expressions/interpreter/InterpreterProgram.h"

#include <memory>
#include <string>

namespace report {

// Null with the error's message and position when the text does not compile.
std::shared_ptr<InterpreterProgram>
compileScript(const std::string& text, const InterpreterScope& scope, InterpreterError& error);

} // namespace report
