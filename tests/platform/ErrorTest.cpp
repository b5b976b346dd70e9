// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Error.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(StrToInt, AcceptsThePlatformsIntegerForms) {
    EXPECT_EQ(strToInt("0"), 0);
    EXPECT_EQ(strToInt("-12"), -12);
    EXPECT_EQ(strToInt("+7"), 7);
    EXPECT_EQ(strToInt("  42"), 42);
    EXPECT_EQ(strToInt("$1F"), 31);
    EXPECT_EQ(strToInt("0x10"), 16);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RejectsOtherTextWithTheConversionMessage) {
    for (const char* bad : {"", " ", "1 ", "1,5", "abc", "2147483648", "-", "$", "1e3"}) {
        try {
            strToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + bad + "' is not a valid integer value");
        }
    }
}
