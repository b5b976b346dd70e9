// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegionalSettings.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(RegionalSettings, HungarianLocaleGivesCommaAndNoBreakSpace) {
    const RegionalSettings hu =
        RegionalSettings::fromLocale(QLocale(QLocale::Hungarian, QLocale::Hungary));
    EXPECT_EQ(hu.decimalSeparator, ',');
    EXPECT_EQ(hu.shortDateFormat, "yyyy. MM. dd.");
    EXPECT_EQ(static_cast<unsigned char>(hu.thousandSeparator), 0xA0);
    const RegionalSettings c = RegionalSettings::fromLocale(QLocale::c());
    EXPECT_EQ(c.decimalSeparator, '.');
    EXPECT_NE(c.thousandSeparator, c.decimalSeparator);
}

TEST(RegionalSettings, WithoutARealLocaleTheSettingsAreHungarian) {
    for (const QLocale& none : {QLocale::c(), QLocale(QStringLiteral("POSIX"))}) {
        const RegionalSettings s = RegionalSettings::ofSystem(none);
        EXPECT_EQ(s.decimalSeparator, ',');
        EXPECT_EQ(s.thousandSeparator, ' ');
        EXPECT_EQ(s.shortDateFormat, "yyyy. MM. dd.");
    }
    // A real locale is followed.
    const RegionalSettings de =
        RegionalSettings::ofSystem(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.decimalSeparator, ',');
    EXPECT_EQ(de.thousandSeparator, '.');
    EXPECT_EQ(de.shortDateFormat, "dd.MM.yy");
    const RegionalSettings us =
        RegionalSettings::ofSystem(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.decimalSeparator, '.');
    EXPECT_EQ(us.thousandSeparator, ',');

    const RegionalSettings saved = regionalSettings();
    setRegionalSettings(RegionalSettings::ofSystem(QLocale::c()));
    EXPECT_EQ(formatShortDate(QDate(2026, 12, 9)), "2026. 12. 09.");
    setRegionalSettings(saved);
}

TEST(RegionalSettings, InstalledSettingsFormatTheShortDate) {
    const RegionalSettings saved = regionalSettings();
    RegionalSettings s;
    s.shortDateFormat = "yyyy.MM.dd.";
    setRegionalSettings(s);
    EXPECT_EQ(formatShortDate(QDate(2026, 3, 1)), "2026.03.01.");
    setRegionalSettings(saved);
}
