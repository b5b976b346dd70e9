// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/RijndaelCipher.h"
#include "crypto/Base64.h"
#include "crypto/CipherException.h"

#include "Hex.h"

#include <gtest/gtest.h>
#include <memory>

using namespace crypto;

namespace {

std::string textOf(const std::vector<uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

std::vector<uint8_t> decoded(const std::string& base64) {
    return decodeBase64(base64);
}

std::unique_ptr<TRijndaelCipher> cipherWithKey(std::string_view hexKey, TKeySizeRDL size) {
    auto cipher = std::make_unique<TRijndaelCipher>();
    cipher->setKeySize(size);
    cipher->SetKey(fromHex(hexKey));
    return cipher;
}

std::unique_ptr<TRijndaelCipher> cipherWithPassphrase(std::string_view passphrase) {
    auto cipher = std::make_unique<TRijndaelCipher>();
    cipher->SetKeyFromPassphrase(passphrase);
    return cipher;
}

const std::string fipsPlaintext = textOf(fromHex("00112233445566778899aabbccddeeff"));

} // namespace

// FIPS-197 appendix C: a 16-byte text is one full block (then the count block).
TEST(RijndaelCipher, Fips197ExamplesThroughTheTextPath) {
    struct Vector {
        TKeySizeRDL size;
        const char* key;
        const char* cipherText;
    };
    for (const Vector& v :
         {Vector{ks128, "000102030405060708090a0b0c0d0e0f", "69c4e0d86a7b0430d8cdb78070b4c55a"},
          Vector{ks192, "000102030405060708090a0b0c0d0e0f1011121314151617",
                 "dda97ca4864cdfe06eaf70a0ec0d7191"},
          Vector{ks256, "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
                 "8ea2b7ca516745bfeafc49904b496089"}}) {
        const auto cipher = cipherWithKey(v.key, v.size);
        const std::string base64 = cipher->EncryptText(fipsPlaintext);
        const auto bytes = decoded(base64);
        ASSERT_EQ(bytes.size(), 32u);
        EXPECT_EQ(toHex(std::span(bytes).first(16)), v.cipherText);
        EXPECT_EQ(cipher->DecryptText(base64), fipsPlaintext);
        // The published block alone is a last block whose count byte (0xff) exceeds 15: only bytes
        // of that block come back, 15 of them.
        EXPECT_EQ(cipher->DecryptText(encodeBase64(fromHex(v.cipherText))),
                  fipsPlaintext.substr(0, 15));
    }
}

// Save-file contents from a second, independently written implementation (digest in another
// language, AES from the openssl command).
TEST(RijndaelCipher, SaveFormatKnownAnswers) {
    const auto cipher = cipherWithPassphrase("Titok123");
    EXPECT_EQ(cipher->EncryptText(""), "XLFdKdYbHn3T0Q3Bp5T8sg==");
    EXPECT_EQ(cipher->EncryptText("hegym\xE1sz\xF3\r\n"), "SwWtpBU9bVotn/Hnow5Mpw==");
    EXPECT_EQ(cipher->EncryptText(std::string(15, 'A')), "jsKLFnEiX4cBYX8Mg/o1rg==");
    EXPECT_EQ(cipher->EncryptText(textOf(fromHex("000102030405060708090a0b0c0d0e0f"))),
              "IgR9kpLVS6mlkT8BSJ4AoFyxXSnWGx5909ENwaeU/LI=");
    const std::string form = "hegym\xE1sz\xF3\r\nEdit1=Kov\xE1"
                             "cs \xC9va\r\nNumEdit2=123456\r\n";
    const std::string saved = "rBvoAH8wY1jXt5q4zPQkBxz6cv3R8vaUNvjNJaFax7Y3K9TOiomgXu5gvNE8Vpwj";
    EXPECT_EQ(cipher->EncryptText(form), saved);
    EXPECT_EQ(cipher->DecryptText(saved), form);

    TRijndaelCipher wide;
    wide.setKeySize(ks192);
    wide.SetKeyFromPassphrase("Titok123");
    EXPECT_EQ(wide.EncryptText("hegym\xE1sz\xF3\r\n"), "HD/hYkR8JGRRuwowFx972g==");
}

TEST(RijndaelCipher, LastBlockCarriesTheCountOfRemainingBytes) {
    const auto cipher = cipherWithPassphrase("jelsz\xF3");
    for (const size_t length : {0u, 1u, 15u, 16u, 17u, 31u, 32u, 1000u}) {
        std::string text(length, '\0');
        for (size_t i = 0; i < length; ++i)
            text[i] = static_cast<char>(0x80 + i % 100);
        const std::string base64 = cipher->EncryptText(text);
        EXPECT_EQ(base64.size(), 4 * ((16 * (length / 16 + 1) + 2) / 3)) << length;
        EXPECT_EQ(cipher->DecryptText(base64), text) << length;
    }
    // The empty text is one block: 24 characters ending in "==".
    const std::string empty = cipher->EncryptText("");
    EXPECT_EQ(empty.size(), 24u);
    EXPECT_TRUE(empty.ends_with("=="));
    EXPECT_EQ(cipher->DecryptText(empty), "");

    // The last block is the remaining bytes, zeros and the count: the same block that a 16-byte
    // text of exactly those bytes makes first.
    const auto firstBlock = [&](const std::string& text) {
        const auto bytes = decoded(cipher->EncryptText(text));
        return std::vector<uint8_t>(bytes.begin(), bytes.begin() + 16);
    };
    const auto lastBlock = [&](const std::string& text) {
        const auto bytes = decoded(cipher->EncryptText(text));
        return std::vector<uint8_t>(bytes.end() - 16, bytes.end());
    };
    const std::string fifteen = "ABCDEFGHIJKLMNO";
    EXPECT_EQ(decoded(cipher->EncryptText(fifteen)).size(), 16u);
    EXPECT_EQ(lastBlock(fifteen), firstBlock(fifteen + '\x0F'));
    const std::string sixteen = fifteen + 'P';
    EXPECT_EQ(decoded(cipher->EncryptText(sixteen)).size(), 32u);
    EXPECT_EQ(lastBlock(sixteen), firstBlock(std::string(16, '\0')));
    EXPECT_EQ(lastBlock(sixteen + 'Q'), firstBlock("Q" + std::string(14, '\0') + '\x01'));
}

TEST(RijndaelCipher, BytesAfterTheLastWholeBlockAreIgnored) {
    const auto cipher = cipherWithPassphrase("jelsz\xF3");
    auto bytes = decoded(cipher->EncryptText("abc"));
    bytes.insert(bytes.end(), {1, 2, 3, 4});
    EXPECT_EQ(cipher->DecryptText(encodeBase64(bytes)), "abc");
}

// The save file's reader refuses a cipher text that EncryptText could not have written for the
// text it decrypts to: such a file is damaged, whatever it decrypts to.
TEST(RijndaelCipher, TellsWhetherTheCipherTextIsExactlyWhatTheEncrypterWrites) {
    const auto cipher = cipherWithPassphrase("jelsz\xF3");
    bool asWritten = false;
    for (size_t length = 0; length <= 40; ++length) {
        const std::string text(length, 'x');
        EXPECT_EQ(cipher->DecryptText(cipher->EncryptText(text), asWritten), text);
        EXPECT_TRUE(asWritten) << length;
    }

    const std::string saved = cipher->EncryptText("abc"); // 24 characters ending in "=="
    auto withTail = decoded(saved);
    withTail.insert(withTail.end(), {1, 2, 3, 4});
    std::string lastBitsChanged = saved;
    lastBitsChanged[21] = static_cast<char>(lastBitsChanged[21] ^ 1); // bits the decoder drops
    std::string outsideAlphabet = saved;
    outsideAlphabet[3] = '.'; // in the decoder's range, not in the alphabet
    // A full block whose final byte is 3 read as a last block: a count of 3, text bytes after it.
    const std::string notZeroFilled =
        cipher->EncryptText(std::string("abc") + std::string(12, 'x') + '\x03').substr(0, 24);
    for (const std::string& damaged :
         {encodeBase64(withTail), lastBitsChanged, outsideAlphabet, notZeroFilled}) {
        cipher->DecryptText(damaged, asWritten);
        EXPECT_FALSE(asWritten) << damaged;
    }
    EXPECT_EQ(cipher->DecryptText(notZeroFilled, asWritten), "abc");

    // A wrong key gives a count above 15 or a fill of meaningless bytes.
    cipherWithPassphrase("jelszo")->DecryptText(saved, asWritten);
    EXPECT_FALSE(asWritten);
}

TEST(RijndaelCipher, FewerThanSixteenBytesAreAnInvalidFileFormat) {
    const auto cipher = cipherWithPassphrase("jelsz\xF3");
    for (const std::string text : {"", "Zm9v", "AAAAAAAAAAAAAAAAAAA="}) { // 0, 3 and 14 bytes
        try {
            cipher->DecryptText(text);
            ADD_FAILURE() << "accepted \"" << text << '"';
        } catch (const ECipherException& e) {
            EXPECT_STREQ(e.what(), "Invalid file format");
        }
    }
}

TEST(RijndaelCipher, MalformedBase64IsThePlainError) {
    const auto cipher = cipherWithPassphrase("jelsz\xF3");
    const std::string saved = cipher->EncryptText("hegym\xE1sz\xF3\r\n");
    try {
        cipher->DecryptText(saved + "\r\n");
        ADD_FAILURE() << "a line break was accepted";
    } catch (const ECipherException&) {
        ADD_FAILURE() << "reported as a cipher error";
    } catch (const crypto::Error& e) {
        EXPECT_STREQ(e.what(), "Invalid Base64 Character");
    }
    // The save-file reader drops one final line break; the key survived the error.
    EXPECT_EQ(cipher->DecryptText(withoutFinalLineBreak(saved + "\r\n")), "hegym\xE1sz\xF3\r\n");
}

TEST(RijndaelCipher, WrongOrDifferentlyCasedPassPhraseGivesOtherBytesWithoutError) {
    const std::string form = "hegym\xE1sz\xF3\r\nEdit1=Kov\xE1"
                             "cs\r\n";
    const std::string saved = cipherWithPassphrase("Titok123")->EncryptText(form);
    for (const char* other : {"titok123", "TITOK123", "Titok12", ""}) {
        const std::string plain = cipherWithPassphrase(other)->DecryptText(saved);
        EXPECT_LE(plain.size(), 16u + 15u) << other;
        EXPECT_FALSE(plain.starts_with("hegym\xE1sz\xF3")) << other;
    }
}

TEST(RijndaelCipher, KeyFollowsTheKeySize) {
    TRijndaelCipher component;
    EXPECT_EQ(component.CipherMode(), cmECB);
    EXPECT_EQ(component.KeySize(), ks128);
    EXPECT_FALSE(component.hasKey());
    EXPECT_THROW(component.EncryptText("x"), ECipherException);
    EXPECT_THROW(component.DecryptText("XLFdKdYbHn3T0Q3Bp5T8sg=="), ECipherException);

    component.SetKeyFromPassphrase("Titok123");
    EXPECT_EQ(component.EncryptText(""), "XLFdKdYbHn3T0Q3Bp5T8sg==");
    component.setKeySize(ks128); // the same size keeps the key
    EXPECT_TRUE(component.hasKey());
    component.setKeySize(ks256); // another size discards it
    EXPECT_FALSE(component.hasKey());
    EXPECT_THROW(component.SetKey(fromHex("000102030405060708090a0b0c0d0e0f")), ECipherException);
    EXPECT_THROW(component.setCipherMode(cmCBC), ECipherException);
    EXPECT_EQ(component.CipherMode(), cmECB);
}
