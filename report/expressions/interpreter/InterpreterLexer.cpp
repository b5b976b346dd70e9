// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/interpreter/InterpreterLexer.h"

#include "platform/NumberConversion.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

namespace report {
namespace {

bool isIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool isIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool InterpreterToken::isKeyword(const char* word) const {
    if (kind != Kind::Identifier)
        return false;
    size_t i = 0;
    for (; word[i]; ++i)
        if (i >= text.size() || std::toupper(static_cast<unsigned char>(text[i])) !=
                                    std::toupper(static_cast<unsigned char>(word[i])))
            return false;
    return i == text.size();
}

std::string InterpreterError::Position() const {
    return std::to_string(line) + ":" + std::to_string(column);
}

std::vector<InterpreterToken> tokenize(const std::string& text) {
    std::vector<InterpreterToken> tokens;
    size_t i = 0;
    int line = 1;
    size_t lineStart = 0;
    const auto fail = [&](const std::string& message, size_t at) {
        throw InterpreterSyntaxError{{message, line, static_cast<int>(at - lineStart) + 1}};
    };
    const auto advanceLines = [&](size_t from, size_t to) {
        for (size_t k = from; k < to; ++k)
            if (text[k] == '\n') {
                ++line;
                lineStart = k + 1;
            }
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n' || c == '\r' || c == ' ' || c == '\t') {
            advanceLines(i, i + 1);
            ++i;
            continue;
        }
        if (c == '{' || (c == '(' && i + 1 < text.size() && text[i + 1] == '*') ||
            (c == '/' && i + 1 < text.size() && text[i + 1] == '/')) {
            const std::string close = c == '{' ? "}" : c == '(' ? "*)" : "\n";
            size_t end = text.find(close, i + 1);
            if (end == std::string::npos) {
                if (c != '/')
                    fail("Unterminated comment", i);
                end = text.size();
            }
            advanceLines(i, end);
            i = std::min(text.size(), end + close.size());
            continue;
        }
        InterpreterToken t;
        t.line = line;
        t.column = static_cast<int>(i - lineStart) + 1;
        if (isIdentStart(c)) {
            size_t j = i;
            while (j < text.size() && isIdentChar(text[j]))
                ++j;
            t.kind = InterpreterToken::Kind::Identifier;
            t.text = text.substr(i, j - i);
            i = j;
        } else if (isDigit(c) || (c == '$' && i + 1 < text.size() &&
                                  std::isxdigit(static_cast<unsigned char>(text[i + 1])))) {
            size_t j = i;
            bool isFloat = false;
            if (c == '$') {
                ++j;
                while (j < text.size() && std::isxdigit(static_cast<unsigned char>(text[j])))
                    ++j;
            } else {
                while (j < text.size() && isDigit(text[j]))
                    ++j;
                if (j + 1 < text.size() && text[j] == '.' && isDigit(text[j + 1])) {
                    isFloat = true;
                    for (++j; j < text.size() && isDigit(text[j]);)
                        ++j;
                }
                if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
                    size_t k = j + 1;
                    if (k < text.size() && (text[k] == '+' || text[k] == '-'))
                        ++k;
                    if (k < text.size() && isDigit(text[k])) {
                        isFloat = true;
                        for (j = k; j < text.size() && isDigit(text[j]);)
                            ++j;
                    }
                }
            }
            const std::string literal = text.substr(i, j - i);
            if (isFloat) {
                t.kind = InterpreterToken::Kind::Float;
                if (platform::readDouble(literal, t.number) != literal.size())
                    fail("Invalid floating point constant", i);
            } else {
                t.kind = InterpreterToken::Kind::Integer;
                const bool hex = c == '$';
                const char* begin = literal.data() + (hex ? 1 : 0);
                const auto r = std::from_chars(begin, literal.data() + literal.size(), t.integer,
                                               hex ? 16 : 10);
                if (r.ec != std::errc())
                    fail("Integer constant too large", i);
            }
            i = j;
        } else if (c == '\'' || c == '#') {
            // 'it''s' and #13#10 sequences join into one string.
            t.kind = InterpreterToken::Kind::String;
            while (i < text.size() && (text[i] == '\'' || text[i] == '#')) {
                if (text[i] == '#') {
                    size_t j = i + 1;
                    while (j < text.size() && isDigit(text[j]))
                        ++j;
                    if (j == i + 1 || j - i > 4)
                        fail("Invalid character constant", i);
                    const int code = std::atoi(text.substr(i + 1, j - i - 1).c_str());
                    if (code > 255)
                        fail("Invalid character constant", i);
                    t.text += static_cast<char>(code);
                    i = j;
                    continue;
                }
                size_t j = i + 1;
                for (;;) {
                    if (j >= text.size() || text[j] == '\n' || text[j] == '\r')
                        fail("Unterminated string", i);
                    if (text[j] == '\'') {
                        if (j + 1 < text.size() && text[j + 1] == '\'') {
                            t.text += '\'';
                            j += 2;
                            continue;
                        }
                        break;
                    }
                    t.text += text[j++];
                }
                i = j + 1;
            }
        } else {
            static const char* const twoChar[] = {":=", "<>", "<=", ">="};
            t.kind = InterpreterToken::Kind::Symbol;
            for (const char* s : twoChar)
                if (text.compare(i, 2, s) == 0)
                    t.text = s;
            if (t.text.empty()) {
                if (std::string_view("+-*/=<>(),;:.[]").find(c) == std::string_view::npos)
                    fail(std::string("Illegal character '") + c + "'", i);
                t.text = std::string(1, c);
            }
            i += t.text.size();
        }
        tokens.push_back(std::move(t));
    }
    InterpreterToken end;
    end.line = line;
    end.column = static_cast<int>(text.size() - lineStart) + 1;
    tokens.push_back(end);
    return tokens;
}

} // namespace report
