// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/SecureWipe.h"

#include <cstring>

namespace crypto {

void secureWipe(std::string& text) {
    text.resize(text.capacity()); // within the capacity: no reallocation, no copy left behind
    secureWipe(text.data(), text.size());
    text.clear();
}

void secureWipe(void* data, size_t size) {
    // The C library's own wipe, which the optimiser must keep; libcrypto has one too, but loading
    // that library only to wipe memory at exit would cost every start.
    // An empty buffer may have no address at all, which explicit_bzero must not be given.
    if (size > 0)
        explicit_bzero(data, size);
}

} // namespace crypto
