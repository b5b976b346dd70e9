// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/KeyDigest.h"

#include "crypto/KeyDigestState.h"

#include <stdexcept>

namespace crypto {

void KeyDigest(std::span<const uint8_t> input, std::span<uint8_t> digest) {
    if (digest.size() > 256)
        throw std::invalid_argument("KeyDigest gives at most 256 bytes");
    KeyDigestState state;
    for (const uint8_t x : input)
        state.absorb(x);
    state.finish(digest);
}

} // namespace crypto
