// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The AES block cipher in ECB mode over whole 16-byte blocks, from OpenSSL: every block on its own,
// no chaining, no padding. Private to the cipher component.
#include <cstdint>
#include <span>

namespace crypto {

enum class AesDirection { encrypt, decrypt };

// Transforms blocks in place; the key is 16, 24 or 32 bytes and blocks.size() a multiple of 16.
void aesEcb(AesDirection direction, std::span<const uint8_t> key, std::span<uint8_t> blocks);

} // namespace crypto
