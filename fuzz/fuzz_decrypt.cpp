// SPDX-License-Identifier: GPL-3.0-or-later
// A save file's content, Base64-decoded and decrypted: any bytes must end in text or a clean
// error, never in a crash or a read outside the blocks.
#include "crypto/CipherException.h"
#include "crypto/RijndaelCipher.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static crypto::TRijndaelCipher cipher;
    if (!cipher.hasKey())
        cipher.SetKeyFromPassphrase("titok");
    try {
        const std::string text =
            cipher.DecryptText(std::string_view(reinterpret_cast<const char*>(data), size));
        if (text.size() > size)
            __builtin_trap(); // the plain text can never be longer than its Base64 form
    } catch (const crypto::Error&) {
        // A malformed character or too short a text: the clean failures.
    }
    return 0;
}
