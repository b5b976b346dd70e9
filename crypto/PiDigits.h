// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first 2048 bits of the fractional part of pi, most significant bit first: the key digest's
// initial block. A constant table rather than a computation at start-up; the tests regenerate it
// with exact integer arithmetic.
#include <array>
#include <cstdint>

namespace crypto {

extern const std::array<uint8_t, 256> piFractionBytes;

} // namespace crypto
