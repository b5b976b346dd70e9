// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few functions of OpenSSL's libcrypto that the cipher uses, loaded when a Save or Load first
// needs them. Linked, the library (as many relocations as Qt Widgets, 1.4 MB of memory) would be
// loaded into every start of the program and every PDF export, which use no cipher.
#include <openssl/evp.h>

namespace crypto {

struct OpenSslLibrary {
    decltype(&::EVP_aes_128_ecb) aes128Ecb = nullptr;
    decltype(&::EVP_aes_192_ecb) aes192Ecb = nullptr;
    decltype(&::EVP_aes_256_ecb) aes256Ecb = nullptr;
    decltype(&::EVP_CIPHER_CTX_new) contextNew = nullptr;
    decltype(&::EVP_CIPHER_CTX_free) contextFree = nullptr;
    decltype(&::EVP_CipherInit_ex) cipherInit = nullptr;
    decltype(&::EVP_CIPHER_CTX_set_padding) setPadding = nullptr;
    decltype(&::EVP_CipherUpdate) cipherUpdate = nullptr;
    decltype(&::EVP_CipherFinal_ex) cipherFinal = nullptr;
    decltype(&::EVP_EncodeBlock) encodeBlock = nullptr;

    // The library, loaded on first use; raises ECipherException when it is not installed.
    static const OpenSslLibrary& get();
};

} // namespace crypto
