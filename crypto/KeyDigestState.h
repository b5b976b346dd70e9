// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running state of one key digest: the 256-byte digest block seeded with pi and the 16-byte
// mixing key. Kept apart from KeyDigest so that the absorbing rules can be checked on their own.
#include <array>
#include <cstdint>
#include <span>

namespace crypto {

class KeyDigestState {
public:
    KeyDigestState();
    ~KeyDigestState();
    KeyDigestState(const KeyDigestState&) = delete;
    KeyDigestState& operator=(const KeyDigestState&) = delete;

    void absorb(uint8_t x);
    // Pads, encrypts the digest block and copies its first out.size() bytes (at most 256) to out.
    // The state is spent afterwards.
    void finish(std::span<uint8_t> out);

    const std::array<uint8_t, 256>& digestBlock() const { return block_; }
    const std::array<uint32_t, 4>& mixingKey() const { return key_; }
    unsigned keyIndex() const { return keyIndex_; }

private:
    void mixKey();

    std::array<uint8_t, 256> block_;
    unsigned digestIndex_ = 0;
    std::array<uint32_t, 4> key_;
    unsigned keyIndex_ = 0;
};

} // namespace crypto
