#pragma once
// The cipher's own failure ("Invalid file format"); a malformed Base64 character is reported as the
// platform's plain Error instead.
#include "platform/Error.h"

namespace crypto {

class ECipherException : public platform::Error {
public:
    using Error::Error;
};

} // namespace crypto
