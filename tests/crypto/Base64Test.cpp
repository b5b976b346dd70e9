// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/Base64.h"
#include "crypto/CipherException.h"

#include "Hex.h"

#include <gtest/gtest.h>

using namespace crypto;

namespace {

std::string decodedHex(std::string_view text) {
    return toHex(decodeBase64(text));
}

std::vector<uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

void expectInvalidCharacter(std::string_view text) {
    try {
        decodeBase64(text);
        ADD_FAILURE() << "accepted \"" << text << '"';
    } catch (const ECipherException&) {
        ADD_FAILURE() << "a malformed character is the plain error, not the cipher's own";
    } catch (const crypto::Error& e) {
        EXPECT_STREQ(e.what(), "Invalid Base64 Character");
    }
}

} // namespace

TEST(Base64, EncodesTheStandardVectorsOnOneLine) {
    EXPECT_EQ(encodeBase64(bytesOf("")), "");
    EXPECT_EQ(encodeBase64(bytesOf("f")), "Zg==");
    EXPECT_EQ(encodeBase64(bytesOf("fo")), "Zm8=");
    EXPECT_EQ(encodeBase64(bytesOf("foo")), "Zm9v");
    EXPECT_EQ(encodeBase64(bytesOf("foobar")), "Zm9vYmFy");
    EXPECT_EQ(encodeBase64(fromHex("fbff")), "+/8=");
    const std::string longText = encodeBase64(std::vector<uint8_t>(1000, 0xAB));
    EXPECT_EQ(longText.size(), 1336u);
    EXPECT_EQ(longText.find_first_of("\r\n"), std::string::npos);
}

TEST(Base64, DecodesStandardText) {
    EXPECT_EQ(decodedHex(""), "");
    EXPECT_EQ(decodedHex("Zg=="), toHex(bytesOf("f")));
    EXPECT_EQ(decodedHex("Zm8="), toHex(bytesOf("fo")));
    EXPECT_EQ(decodedHex("Zm9vYmFy"), toHex(bytesOf("foobar")));
    EXPECT_EQ(decodedHex("+/8="), "fbff");
}

TEST(Base64, PaddingIsLookedAtOnlyInTheThirdAndFourthPlace) {
    EXPECT_EQ(decodedHex("Zg=A"), toHex(bytesOf("f"))); // third "=": one byte, whatever follows
    EXPECT_EQ(decodedHex("Zg==Zg=="), toHex(bytesOf("ff"))); // groups after padding go on
    // Elsewhere "=" is just a character outside the alphabet, worth 127, bits cut to a byte.
    EXPECT_EQ(decodedHex("==AA"), "fff000");
}

TEST(Base64, CharactersInRangeButOutsideTheAlphabetCount127) {
    EXPECT_EQ(decodedHex("A-AA"), "07f000");
    EXPECT_EQ(decodedHex("-AAA"), "fc0000");
    EXPECT_EQ(decodedHex("AA@A"), "001fc0");
    EXPECT_EQ(decodedHex("AAA_"), "00007f");
}

TEST(Base64, CharactersOutsidePlusToZAreRejected) {
    expectInvalidCharacter("Zm9v\nZm9v");
    expectInvalidCharacter("Zm 9");
    expectInvalidCharacter("Zm9*"); // just below "+"
    expectInvalidCharacter("Zm9{"); // just above "z"
    expectInvalidCharacter("Zm9\xE1");
    expectInvalidCharacter(std::string_view("Zm\0v", 4));
}

TEST(Base64, IncompleteLastGroupIsRejected) {
    expectInvalidCharacter("Zm9vY");
    expectInvalidCharacter("Zm9vYmE");
    expectInvalidCharacter("Zm9vYmFy\n"); // a line break left in place
}

TEST(Base64, OneFinalLineBreakIsDroppedBeforeDecoding) {
    EXPECT_EQ(withoutFinalLineBreak("Zm9v\n"), "Zm9v");
    EXPECT_EQ(withoutFinalLineBreak("Zm9v\r\n"), "Zm9v");
    EXPECT_EQ(withoutFinalLineBreak("Zm9v"), "Zm9v");
    EXPECT_EQ(withoutFinalLineBreak("Zm9v\n\n"), "Zm9v\n");
    EXPECT_EQ(withoutFinalLineBreak("Zm9v\r"), "Zm9v\r");
    EXPECT_EQ(withoutFinalLineBreak("\n"), "");
}
