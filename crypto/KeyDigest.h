// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's own digest that turns a pass phrase into a cipher key. Not a published key
// derivation, and it must stay bit for bit as it is: the key decides whether an earlier save file
// can be read.
#include <cstdint>
#include <span>

namespace crypto {

// Writes the first digest.size() bytes (at most 256) of the finished digest of input to digest.
void KeyDigest(std::span<const uint8_t> input, std::span<uint8_t> digest);

} // namespace crypto
