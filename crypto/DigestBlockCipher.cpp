// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/DigestBlockCipher.h"
#include "crypto/SecureWipe.h"

#include "crypto/MixRound.h"

#include <algorithm>
#include <utility>

namespace crypto {
namespace {

constexpr std::array<uint32_t, 4> scheduleConstants = {0x55555555, 0xAAAAAAAA, 0x33333333,
                                                       0xCCCCCCCC};

// The mixing step of the ISAAC random-number generator.
void isaacMix(std::array<uint32_t, 8>& w) {
    auto& [a, b, c, d, e, f, g, h] = w;
    a ^= b << 11, d += a, b += c;
    b ^= c >> 2, e += b, c += d;
    c ^= d << 8, f += c, d += e;
    d ^= e >> 16, g += d, e += f;
    e ^= f << 10, h += e, f += g;
    f ^= g >> 4, a += f, g += h;
    g ^= h << 8, b += g, h += a;
    h ^= a >> 9, c += h, a += b;
}

uint32_t loadLittleEndian(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void storeLittleEndian(uint8_t* p, uint32_t w) {
    p[0] = static_cast<uint8_t>(w);
    p[1] = static_cast<uint8_t>(w >> 8);
    p[2] = static_cast<uint8_t>(w >> 16);
    p[3] = static_cast<uint8_t>(w >> 24);
}

} // namespace

DigestBlockCipher::DigestBlockCipher(const std::array<uint32_t, 4>& key, int rounds)
    : rounds_(std::clamp(rounds, 4, 16)) {
    auto out = subkeys_.begin();
    for (const uint32_t s : scheduleConstants) {
        // Every constant starts again from the key words; nothing carries over.
        std::array<uint32_t, 8> w = {key[0], s, key[1], s, key[2], s, key[3], s};
        for (int i = 0; i < 8; ++i)
            isaacMix(w);
        out = std::copy(w.begin(), w.end(), out);
        secureWipe(w.data(), sizeof w);
    }
}

DigestBlockCipher::~DigestBlockCipher() {
    secureWipe(subkeys_.data(), sizeof subkeys_);
}

void DigestBlockCipher::encryptBlock(std::span<uint8_t, 16> block) const {
    uint32_t p0 = loadLittleEndian(&block[0]);
    uint32_t p1 = loadLittleEndian(&block[4]);
    uint32_t q0 = loadLittleEndian(&block[8]);
    uint32_t q1 = loadLittleEndian(&block[12]);
    for (int r = 0; r < rounds_; ++r) {
        uint32_t a = p0, b = subkeys_[2 * r], c = p1, d = subkeys_[2 * r + 1];
        MixRound(a, b, c, d);
        std::swap(a, c);
        std::swap(b, d);
        MixRound(a, b, c, d);
        const uint32_t newP0 = q0 ^ a ^ b;
        const uint32_t newP1 = q1 ^ c ^ d;
        q0 = p0, q1 = p1;
        p0 = newP0, p1 = newP1;
    }
    storeLittleEndian(&block[0], q0);
    storeLittleEndian(&block[4], q1);
    storeLittleEndian(&block[8], p0);
    storeLittleEndian(&block[12], p1);
}

} // namespace crypto
