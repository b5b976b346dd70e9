// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failures of the cipher library; like the program's other errors they carry code page 1250
// text. Error is the plain failure (a malformed Base64 character), ECipherException the cipher's
// own ("Invalid file format"). The library depends on nothing else of the program, so it has its
// own types.
#include <stdexcept>

namespace crypto {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ECipherException : public Error {
public:
    using Error::Error;
};

} // namespace crypto
