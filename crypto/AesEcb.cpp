// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/AesEcb.h"

#include "crypto/CipherException.h"

#include "crypto/OpenSslLibrary.h"
#include <algorithm>
#include <memory>

namespace crypto {
namespace {

const EVP_CIPHER* cipherFor(const OpenSslLibrary& ssl, size_t keyLength) {
    switch (keyLength) {
    case 16:
        return ssl.aes128Ecb();
    case 24:
        return ssl.aes192Ecb();
    case 32:
        return ssl.aes256Ecb();
    default:
        throw ECipherException("Invalid key length");
    }
}

[[noreturn]] void fail() {
    throw ECipherException("The AES block cipher failed");
}

} // namespace

void aesEcb(AesDirection direction, std::span<const uint8_t> key, std::span<uint8_t> blocks) {
    if (blocks.size() % 16 != 0)
        throw ECipherException("Invalid block length");
    const OpenSslLibrary& ssl = OpenSslLibrary::get();
    const EVP_CIPHER* cipher = cipherFor(ssl, key.size());
    // Freeing the context also wipes its expanded key.
    const std::unique_ptr<EVP_CIPHER_CTX, decltype(ssl.contextFree)> ctx(ssl.contextNew(),
                                                                         ssl.contextFree);
    if (!ctx ||
        ssl.cipherInit(ctx.get(), cipher, nullptr, key.data(), nullptr,
                       direction == AesDirection::encrypt ? 1 : 0) != 1 ||
        ssl.setPadding(ctx.get(), 0) != 1)
        fail();
    constexpr size_t maxChunk = size_t{1} << 24;
    for (size_t offset = 0; offset < blocks.size();) {
        const size_t chunk = std::min(blocks.size() - offset, maxChunk);
        int written = 0;
        uint8_t* data = blocks.data() + offset;
        if (ssl.cipherUpdate(ctx.get(), data, &written, data, static_cast<int>(chunk)) != 1 ||
            static_cast<size_t>(written) != chunk)
            fail();
        offset += chunk;
    }
    int tail = 0;
    uint8_t unused[16];
    if (ssl.cipherFinal(ctx.get(), unused, &tail) != 1 || tail != 0)
        fail();
}

} // namespace crypto
