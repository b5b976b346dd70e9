// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cipher component of the certificate window (RijndaelCipher1): a key derived from the pass
// phrase, and text encrypted with AES in ECB mode into one line of Base64. Texts are code page
// 1250 bytes.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace crypto {

enum TCipherMode { cmECB, cmCBC };
enum TKeySizeRDL { ks128, ks192, ks256 };

class TRijndaelCipher {
public:
    TRijndaelCipher() = default;
    ~TRijndaelCipher();
    TRijndaelCipher(const TRijndaelCipher&) = delete;
    TRijndaelCipher& operator=(const TRijndaelCipher&) = delete;

    TCipherMode CipherMode() const { return cipherMode_; }
    // Only ECB is defined for the save format; cmCBC raises ECipherException.
    void setCipherMode(TCipherMode mode);

    TKeySizeRDL KeySize() const { return keySize_; }
    // A different size discards the key: it no longer has the right length.
    void setKeySize(TKeySizeRDL size);

    static size_t keyLength(TKeySizeRDL size); // 16, 24 or 32 bytes

    // The key becomes the first keyLength(KeySize) bytes of KeyDigest of the pass phrase's bytes.
    void SetKeyFromPassphrase(std::string_view passphrase);
    // A key given directly; its length must match KeySize.
    void SetKey(std::span<const uint8_t> key);
    bool hasKey() const { return keyLength_ != 0; }

    // Whole 16-byte blocks: the text's full blocks, then one last block holding the remaining
    // 0..15 bytes, zeros, and that count in its final byte. Returned as Base64 without line breaks.
    std::string EncryptText(std::string_view text) const;
    // The inverse: crypto::Error "Invalid Base64 Character" for a malformed text,
    // ECipherException "Invalid file format" below 16 bytes. A wrong key is not an error; it gives
    // meaningless bytes that the caller recognises by content.
    std::string DecryptText(std::string_view base64) const;
    // The same, also telling whether the cipher text is exactly what EncryptText writes for the
    // decrypted text: the Base64 in its one canonical form, whole blocks only, and a last block
    // whose count is at most 15 with only zeros after the counted bytes. A damaged save file rarely
    // is; a wrong key never gives such a last block but once in a few thousand.
    std::string DecryptText(std::string_view base64, bool& asWritten) const;

private:
    std::span<const uint8_t> key() const;
    void wipeKey();

    TCipherMode cipherMode_ = cmECB;
    TKeySizeRDL keySize_ = ks128;
    std::array<uint8_t, 32> key_{};
    size_t keyLength_ = 0;
};

} // namespace crypto
