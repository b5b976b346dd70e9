// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/MixRound.h"

namespace crypto {

void MixRound(uint32_t& a, uint32_t& b, uint32_t& c, uint32_t& d) {
    a += d, d += a, a ^= a >> 7;
    b += a, a += b, b ^= b << 13;
    c += b, b += c, c ^= c >> 17;
    d += c, c += d, d ^= d << 9;
    a += d, d += a, a ^= a >> 3;
    b += a, a += b, b ^= b << 7;
    // This step shifts d, not c: saved keys depend on it.
    c += b, b += c, c ^= d >> 15;
    d += c, c += d, d ^= d << 11;
}

} // namespace crypto
