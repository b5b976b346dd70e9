// SPDX-License-Identifier: GPL-3.0-or-later
// Any pass phrase, of any length (past the digest block's 256 bytes too): the key derived from it
// must encrypt a form text and decrypt it back to itself, as exactly what the encrypter writes.
#include "crypto/RijndaelCipher.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view passphrase(reinterpret_cast<const char*>(data), size);
    crypto::TRijndaelCipher cipher;
    cipher.SetKeyFromPassphrase(passphrase);
    const std::string text =
        "hegym\xE1sz\xF3\r\nEdit1_" + std::string(passphrase.substr(0, 40)) + "\r\n";
    bool asWritten = false;
    if (cipher.DecryptText(cipher.EncryptText(text), asWritten) != text || !asWritten)
        __builtin_trap();
    return 0;
}
