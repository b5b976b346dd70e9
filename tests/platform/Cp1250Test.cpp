// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Cp1250, HungarianLettersConvertBothWays) {
    const QString hu = QString::fromUtf8("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP €");
    const std::string bytes = toCp1250(hu);
    ASSERT_EQ(bytes.size(), static_cast<size_t>(hu.size()));
    EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 0xFB);     // ű
    EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 0xF5);     // ő
    EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0x80); // €
    EXPECT_EQ(toUnicode(bytes), hu);
}

TEST(Cp1250, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = toUnicode(all);
    EXPECT_TRUE(isCp1250Representable(text));
    EXPECT_EQ(toCp1250(text), all);
}

TEST(Cp1250, CharactersOutsideTheCodePageAreDetected) {
    EXPECT_TRUE(isCp1250Representable(QString::fromUtf8("Fő utca 1.")));
    EXPECT_FALSE(isCp1250Representable(QString::fromUtf8("õ"))); // o with tilde is not Hungarian
    EXPECT_FALSE(isCp1250Representable(QString::fromUtf8("漢")));
    EXPECT_EQ(toCp1250(QString::fromUtf8("a漢b")), "a?b");
}

TEST(Cp1250, FieldsHoldNoControlCharactersAndNoUndefinedBytes) {
    int holdable = 0;
    for (int b = 0; b < 256; ++b)
        holdable += isFieldCharacter(toUnicode(static_cast<char>(b))) ? 1 : 0;
    EXPECT_EQ(holdable, 256 - 32 - 1 - 5); // C0 controls, DEL, 81 83 88 90 98
    for (const char c : {'\t', '\n', '\r', '\x1B', '\x7F', '\x81', '\x98'})
        EXPECT_FALSE(isFieldCharacter(toUnicode(c))) << int(static_cast<unsigned char>(c));
    EXPECT_TRUE(isFieldText(QString::fromUtf8("Fő utca 1. € 100\u00A0Ft")));
    EXPECT_FALSE(isFieldText(QString::fromUtf8("a\u0085b"))); // a C1 control the code page lacks
    EXPECT_FALSE(isFieldText(QString::fromUtf8("õ")));
}
