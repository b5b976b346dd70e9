// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/SecureWipe.h"

#include <openssl/crypto.h>

namespace crypto {

void secureWipe(std::string& text) {
    text.resize(text.capacity()); // within the capacity: no reallocation, no copy left behind
    OPENSSL_cleanse(text.data(), text.size());
    text.clear();
}

} // namespace crypto
