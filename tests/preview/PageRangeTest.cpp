// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PageRange.h"

#include "platform/Error.h"

#include <gtest/gtest.h>

using preview::ExpandPageRange;
using List = std::vector<std::string>;

TEST(ExpandPageRange, ListsNumbersAndRanges) {
    EXPECT_EQ(ExpandPageRange("1,3,5-12", 20),
              (List{"1", "3", "5", "6", "7", "8", "9", "10", "11", "12"}));
    EXPECT_EQ(ExpandPageRange("3,1", 3), (List{"3", "1"}));
}

TEST(ExpandPageRange, OpenRangeRunsToTheLastPageAndBlanksAreIgnored) {
    EXPECT_EQ(ExpandPageRange("5-", 8), (List{"5", "6", "7", "8"}));
    EXPECT_EQ(ExpandPageRange("2-", 3), (List{"2", "3"}));
    EXPECT_EQ(ExpandPageRange("2 - 4", 10), (List{"2", "3", "4"}));
    EXPECT_EQ(ExpandPageRange(" 1 , 2 ", 10), (List{"1", "2"}));
}

TEST(ExpandPageRange, EmptyTextAndBackwardRangesListNothing) {
    EXPECT_TRUE(ExpandPageRange("", 5).empty());
    EXPECT_TRUE(ExpandPageRange("   ", 5).empty());
    EXPECT_TRUE(ExpandPageRange("3-1", 5).empty());
}

TEST(ExpandPageRange, SecondDashRestartsTheRange) {
    EXPECT_EQ(ExpandPageRange("1-3-5", 10), (List{"3", "4", "5"}));
}

TEST(ExpandPageRange, EntriesLoseLeadingZerosAndKeepDuplicates) {
    EXPECT_EQ(ExpandPageRange("01,1", 1), (List{"1", "1"}));
    EXPECT_EQ(ExpandPageRange("0", 1), (List{"0"}));
    EXPECT_EQ(ExpandPageRange("99", 1), (List{"99"}));
}

TEST(ExpandPageRange, RangesBeyondThePagesStayBoundedButSelectNothing) {
    EXPECT_EQ(ExpandPageRange("2-2000000000", 3), (List{"2", "3"}));
    // Wholly past the last page: one entry, so the list is not empty (which would mean all).
    EXPECT_EQ(ExpandPageRange("10-2000000000", 3), (List{"10"}));
    EXPECT_EQ(ExpandPageRange("0-2", 3), (List{"1", "2"}));
}

TEST(ExpandPageRange, TokensThatAreNotIntegersFail) {
    const auto message = [](const std::string& text) {
        try {
            ExpandPageRange(text, 5);
        } catch (const platform::ConvertError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("1,,3"), "'' is not a valid integer value");
    EXPECT_EQ(message("-3"), "'' is not a valid integer value");
    EXPECT_EQ(message("-"), "'' is not a valid integer value");
    EXPECT_EQ(message("1,x"), "'x' is not a valid integer value");
    EXPECT_EQ(message("1;2"), "'1;2' is not a valid integer value");
}
