// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tokens of the script language: identifiers, numbers, quoted strings and symbols, each with the
// line and column it starts at.
#include <cstdint>
#include <string>
#include <vector>

namespace report {

struct InterpreterToken {
    enum class Kind { Identifier, Integer, Float, String, Symbol, End };
    Kind kind = Kind::End;
    std::string text; // identifier, symbol, or the string's value
    int64_t integer = 0;
    double number = 0;
    int line = 1;
    int column = 1;

    bool is(const char* symbol) const { return kind == Kind::Symbol && text == symbol; }
    // A keyword is an identifier compared ignoring letter case.
    bool isKeyword(const char* word) const;
};

struct InterpreterError {
    std::string message;
    int line = 0;
    int column = 0;
    // "line:column"
    std::string Position() const;
};

// Raises InterpreterSyntaxError on text that is no token.
std::vector<InterpreterToken> tokenize(const std::string& text);

struct InterpreterSyntaxError {
    InterpreterError error;
};

} // namespace report
