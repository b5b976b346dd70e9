// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/ZoomText.h"

#include "platform/Error.h"
#include "platform/RegionalSettings.h"

#include <gtest/gtest.h>

using preview::zoomBoxText;
using preview::zoomEntryPercent;

namespace {

struct DecimalSeparator {
    platform::RegionalSettings previous = platform::regionalSettings();
    explicit DecimalSeparator(char separator, char thousands) {
        platform::RegionalSettings s = previous;
        s.decimalSeparator = separator;
        s.thousandSeparator = thousands;
        platform::setRegionalSettings(s);
    }
    ~DecimalSeparator() { platform::setRegionalSettings(previous); }
};

std::string conversionError(const std::string& text) {
    try {
        zoomEntryPercent(text);
    } catch (const platform::ConvertError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(ZoomTextTest, ZoomBoxTextRoundsHalvesToEven) {
    EXPECT_EQ(zoomBoxText(1.0), "100%");
    EXPECT_EQ(zoomBoxText(0.375), "38%");
    EXPECT_EQ(zoomBoxText(0.125), "12%");
    EXPECT_EQ(zoomBoxText(968.0 / 1588), "61%");
}

TEST(ZoomTextTest, EitherDecimalSeparatorReadsUnderEitherRegionalSetting) {
    for (const auto& [decimal, thousands] : {std::pair{'.', ','}, std::pair{',', ' '}}) {
        const DecimalSeparator regional(decimal, thousands);
        EXPECT_EQ(zoomEntryPercent("37,5"), 37.5);
        EXPECT_EQ(zoomEntryPercent("37.5"), 37.5);
        EXPECT_EQ(zoomEntryPercent(" 1 50 %"), 150.0);
    }
}

TEST(ZoomTextTest, NothingLeftAfterTheCleanUpIsNoEntry) {
    EXPECT_EQ(zoomEntryPercent("%"), std::nullopt);
    EXPECT_EQ(zoomEntryPercent("   "), std::nullopt);
    EXPECT_EQ(zoomEntryPercent(""), std::nullopt);
    // Only the first per cent sign goes.
    EXPECT_EQ(conversionError("%%"), "'%' is not a valid floating point value");
}

TEST(ZoomTextTest, TextThatIsNoNumberFailsWithThePlatformsMessage) {
    const DecimalSeparator regional('.', ',');
    EXPECT_EQ(conversionError("abc"), "'abc' is not a valid floating point value");
    EXPECT_EQ(conversionError("1,2.3"), "'1.2.3' is not a valid floating point value");
    EXPECT_EQ(conversionError("12 x"), "'12x' is not a valid floating point value");
}
