// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four-word mixing function shared by the key digest's mixing key and its block cipher.
#include <cstdint>

namespace crypto {

void MixRound(uint32_t& a, uint32_t& b, uint32_t& c, uint32_t& d);

} // namespace crypto
