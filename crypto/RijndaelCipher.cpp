// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/RijndaelCipher.h"
#include "crypto/SecureWipe.h"

#include "crypto/AesEcb.h"
#include "crypto/Base64.h"
#include "crypto/CipherException.h"
#include "crypto/KeyDigest.h"

#include <algorithm>
#include <vector>

namespace crypto {
namespace {

constexpr size_t blockSize = 16;

// Bytes that hold plain text at some point; wiped before the memory is given back.
class WipedBytes {
public:
    explicit WipedBytes(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    explicit WipedBytes(size_t size) : bytes_(size, 0) {}
    ~WipedBytes() { secureWipe(bytes_.data(), bytes_.size()); }
    WipedBytes(const WipedBytes&) = delete;
    WipedBytes& operator=(const WipedBytes&) = delete;

    std::span<uint8_t> span() { return bytes_; }
    size_t size() const { return bytes_.size(); }
    uint8_t* data() { return bytes_.data(); }

private:
    std::vector<uint8_t> bytes_;
};

} // namespace

TRijndaelCipher::~TRijndaelCipher() {
    wipeKey();
}

void TRijndaelCipher::setCipherMode(TCipherMode mode) {
    if (mode != cmECB)
        throw ECipherException("Only the ECB cipher mode is supported");
    cipherMode_ = mode;
}

void TRijndaelCipher::setKeySize(TKeySizeRDL size) {
    if (size == keySize_)
        return;
    keyLength(size); // rejects values outside the enumeration before anything changes
    wipeKey();
    keySize_ = size;
}

size_t TRijndaelCipher::keyLength(TKeySizeRDL size) {
    switch (size) {
    case ks128:
        return 16;
    case ks192:
        return 24;
    case ks256:
        return 32;
    }
    throw ECipherException("Invalid key size");
}

void TRijndaelCipher::SetKeyFromPassphrase(std::string_view passphrase) {
    const size_t length = keyLength(keySize_);
    KeyDigest({reinterpret_cast<const uint8_t*>(passphrase.data()), passphrase.size()},
              {key_.data(), length});
    keyLength_ = length;
}

void TRijndaelCipher::SetKey(std::span<const uint8_t> key) {
    if (key.size() != keyLength(keySize_))
        throw ECipherException("Invalid key length");
    wipeKey();
    std::copy(key.begin(), key.end(), key_.begin());
    keyLength_ = key.size();
}

std::span<const uint8_t> TRijndaelCipher::key() const {
    if (!hasKey())
        throw ECipherException("The cipher has no key");
    return {key_.data(), keyLength_};
}

void TRijndaelCipher::wipeKey() {
    secureWipe(key_.data(), key_.size());
    keyLength_ = 0;
}

std::string TRijndaelCipher::EncryptText(std::string_view text) const {
    const auto k = key();
    const size_t fullBlocks = text.size() / blockSize;
    const size_t remaining = text.size() % blockSize;
    WipedBytes blocks((fullBlocks + 1) * blockSize);
    std::copy(text.begin(), text.end(), blocks.data());
    blocks.span().back() = static_cast<uint8_t>(remaining);
    aesEcb(AesDirection::encrypt, k, blocks.span());
    return encodeBase64(blocks.span());
}

std::string TRijndaelCipher::DecryptText(std::string_view base64) const {
    bool asWritten = false;
    return DecryptText(base64, asWritten);
}

std::string TRijndaelCipher::DecryptText(std::string_view base64, bool& asWritten) const {
    const auto k = key();
    WipedBytes blocks(decodeBase64(base64));
    if (blocks.size() < blockSize)
        throw ECipherException("Invalid file format");
    // Bytes after the last whole block are ignored.
    const size_t n = blocks.size() / blockSize;
    const auto whole = blocks.span().first(n * blockSize);
    const bool canonical = blocks.size() % blockSize == 0 && encodeBase64(whole) == base64;
    aesEcb(AesDirection::decrypt, k, whole);
    // The encrypter never writes a count above 15; a wrong key can, and must still give only bytes
    // of the last block.
    const size_t count = std::min<size_t>(whole.back(), blockSize - 1);
    const auto fill = whole.last(blockSize).subspan(count, blockSize - 1 - count);
    asWritten = canonical && whole.back() < blockSize &&
                std::all_of(fill.begin(), fill.end(), [](uint8_t b) { return b == 0; });
    return std::string(reinterpret_cast<const char*>(whole.data()), (n - 1) * blockSize + count);
}

} // namespace crypto
