#include "platform/RegionalSettings.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(RegionalSettings, HungarianLocaleGivesCommaAndNoBreakSpace) {
    const RegionalSettings hu =
        RegionalSettings::fromLocale(QLocale(QLocale::Hungarian, QLocale::Hungary));
    EXPECT_EQ(hu.decimalSeparator, ',');
    EXPECT_EQ(static_cast<unsigned char>(hu.thousandSeparator), 0xA0);
    const RegionalSettings c = RegionalSettings::fromLocale(QLocale::c());
    EXPECT_EQ(c.decimalSeparator, '.');
    EXPECT_NE(c.thousandSeparator, c.decimalSeparator);
}

TEST(RegionalSettings, InstalledSettingsFormatTheShortDate) {
    const RegionalSettings saved = regionalSettings();
    RegionalSettings s;
    s.shortDateFormat = "yyyy.MM.dd.";
    setRegionalSettings(s);
    EXPECT_EQ(formatShortDate(QDate(2026, 3, 1)), "2026.03.01.");
    setRegionalSettings(saved);
}
