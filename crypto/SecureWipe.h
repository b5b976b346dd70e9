// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Overwrites secrets (pass phrases, keys, decrypted form text) before their memory is given back,
// in a way the optimiser cannot drop.
#include <cstddef>
#include <string>

namespace crypto {

// Wipes the whole buffer of text, not only its current length, and leaves text empty.
void secureWipe(std::string& text);
// Wipes size bytes at data.
void secureWipe(void* data, size_t size);

} // namespace crypto
