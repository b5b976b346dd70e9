// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attribute text of the report's XML nodes: name="value" pairs separated by blanks, values
// escaped as decimal character references.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace report {

// Line feed, carriage return, double quote, ampersand, "<" and ">" become "&#10;", "&#13;",
// "&#34;", "&#38;", "&#60;" and "&#62;".
std::string xmlEscape(std::string_view value);
// Decimal and hexadecimal character references and the five named entities turn back.
std::string xmlUnescape(std::string_view value);

using TrpAttributes = std::vector<std::pair<std::string, std::string>>; // unescaped values

// Raises platform::Error on text that is not a sequence of name="value" pairs.
TrpAttributes parseAttributes(std::string_view text);
void appendAttribute(std::string& text, std::string_view name, std::string_view value);

} // namespace report
