// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's failures are exceptions whose message is code page 1250 text (what() returns the
// bytes). A command does not catch them; the application's standard error report shows them.
#include <stdexcept>
#include <string>

namespace platform {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert to a number ("'%s' is not a valid integer value").
class ConvertError : public Error {
public:
    using Error::Error;
};

// The platform's integer conversion: optional blanks, an optional sign, decimal digits or a
// "$"/"0x" hexadecimal number, within the 32-bit range. Anything else raises ConvertError("'<text>'
// is not a valid integer value").
int strToInt(const std::string& text);

} // namespace platform
