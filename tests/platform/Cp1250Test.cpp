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
