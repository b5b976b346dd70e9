// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text is held as bytes of code page 1250 everywhere inside the program; these convert at the two
// edges where Unicode is needed (widgets and the canvas).
#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString toUnicode(std::string_view cp1250);
QChar toUnicode(char cp1250);

// Characters that code page 1250 cannot hold become '?'; callers that must not lose text check
// isCp1250Representable first.
std::string toCp1250(QStringView text);
char toCp1250(QChar c);

// Texts written in the source code (UTF-8) as code page 1250 bytes.
std::string fromUtf8(std::string_view utf8);

bool isCp1250Representable(QChar c);
bool isCp1250Representable(QStringView text);

// What a field of the window can hold: characters of the code page that are not control
// characters. The code page's undefined bytes decode to C1 controls, so they are refused too.
bool isFieldCharacter(QChar c);
bool isFieldText(QStringView text);

} // namespace platform
