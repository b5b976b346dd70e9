// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/OpenSslLibrary.h"

#include "crypto/CipherException.h"

#include <dlfcn.h>
#include <type_traits>

namespace crypto {

const OpenSslLibrary& OpenSslLibrary::get() {
    static const OpenSslLibrary* const library = []() -> const OpenSslLibrary* {
        // The soname of the OpenSSL version the program was built against.
        static_assert(OPENSSL_SHLIB_VERSION == 3);
        void* handle = dlopen("libcrypto.so.3", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return nullptr;
        static OpenSslLibrary functions;
        const auto bind = [handle](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
            return function != nullptr;
        };
        const bool complete = bind(functions.aes128Ecb, "EVP_aes_128_ecb") &&
                              bind(functions.aes192Ecb, "EVP_aes_192_ecb") &&
                              bind(functions.aes256Ecb, "EVP_aes_256_ecb") &&
                              bind(functions.contextNew, "EVP_CIPHER_CTX_new") &&
                              bind(functions.contextFree, "EVP_CIPHER_CTX_free") &&
                              bind(functions.cipherInit, "EVP_CipherInit_ex") &&
                              bind(functions.setPadding, "EVP_CIPHER_CTX_set_padding") &&
                              bind(functions.cipherUpdate, "EVP_CipherUpdate") &&
                              bind(functions.cipherFinal, "EVP_CipherFinal_ex") &&
                              bind(functions.encodeBlock, "EVP_EncodeBlock");
        return complete ? &functions : nullptr;
    }();
    if (!library)
        throw ECipherException("OpenSSL's libcrypto could not be loaded");
    return *library;
}

} // namespace crypto
