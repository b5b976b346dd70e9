// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small Feistel cipher that finishes the key digest: 16-byte blocks, a 16-byte key expanded by
// ISAAC's mixing step into 32 subkey words, two MixRound calls per round. Only encryption is ever
// needed, so only encryption exists.
#include <array>
#include <cstdint>
#include <span>

namespace crypto {

class DigestBlockCipher {
public:
    // The round count is clamped to 4..16; the key digest asks for 8.
    DigestBlockCipher(const std::array<uint32_t, 4>& key, int rounds);
    ~DigestBlockCipher();
    DigestBlockCipher(const DigestBlockCipher&) = delete;
    DigestBlockCipher& operator=(const DigestBlockCipher&) = delete;

    int rounds() const { return rounds_; }
    const std::array<uint32_t, 32>& subkeys() const { return subkeys_; }

    // Encrypts one block in place; its bytes are read and written as four little-endian words.
    void encryptBlock(std::span<uint8_t, 16> block) const;

private:
    int rounds_;
    std::array<uint32_t, 32> subkeys_{};
};

} // namespace crypto
