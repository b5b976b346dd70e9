// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/KeyDigestState.h"
#include "crypto/SecureWipe.h"

#include "crypto/DigestBlockCipher.h"
#include "crypto/MixRound.h"
#include "crypto/PiDigits.h"

#include <algorithm>

namespace crypto {

KeyDigestState::KeyDigestState() : block_(piFractionBytes) {
    key_.fill(0x55555555);
}

KeyDigestState::~KeyDigestState() {
    secureWipe(block_.data(), sizeof block_);
    secureWipe(key_.data(), sizeof key_);
}

void KeyDigestState::absorb(uint8_t x) {
    block_[digestIndex_] ^= x;
    digestIndex_ = (digestIndex_ + 1) % block_.size();
    // Only the low eight bytes of the mixing key (words K0 and K1, little-endian) take input.
    key_[keyIndex_ / 4] ^= uint32_t(x) << (8 * (keyIndex_ % 4));
    if (++keyIndex_ == 8) {
        mixKey();
        keyIndex_ = 0;
    }
}

void KeyDigestState::mixKey() {
    uint32_t a = key_[3], b = key_[2], c = key_[1], d = key_[0];
    for (int i = 0; i < 4; ++i)
        MixRound(a, b, c, d);
    key_ = {a, b, c, d};
}

void KeyDigestState::finish(std::span<uint8_t> out) {
    // 01 00 00 ... up to the end of the mixing key's eight input positions: always one more mixing.
    const unsigned padding = 8 - keyIndex_;
    absorb(0x01);
    for (unsigned i = 1; i < padding; ++i)
        absorb(0x00);
    const DigestBlockCipher cipher(key_, 8);
    for (size_t offset = 0; offset < block_.size(); offset += 16)
        cipher.encryptBlock(std::span<uint8_t, 16>(block_.data() + offset, 16));
    std::copy_n(block_.begin(), std::min(out.size(), block_.size()), out.begin());
}

} // namespace crypto
