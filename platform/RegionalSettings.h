// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's regional settings as the program reads them when it starts: separators and date and
// time formats, as code page 1250 text. Tests install other settings with setRegionalSettings.
// The program speaks only Hungarian: where the system has no real locale (C or POSIX, as on a
// machine without LANG), it uses Hungarian settings rather than the C locale's English ones.
#include <QDateTime>
#include <QLocale>
#include <string>

namespace platform {

struct RegionalSettings {
    char decimalSeparator = '.';
    char thousandSeparator = ',';
    std::string shortDateFormat = "yyyy-MM-dd"; // a QDate::toString pattern
    std::string longTimeFormat = "HH:mm:ss";    // a QTime::toString pattern

    static RegionalSettings fromLocale(const QLocale& locale);
    // Hungarian: "yyyy. MM. dd.", decimal comma, a blank between thousands.
    static RegionalSettings hungarian();
    // The settings the program uses on a system with this locale.
    static RegionalSettings ofSystem(const QLocale& system);
};

const RegionalSettings& regionalSettings();
void setRegionalSettings(const RegionalSettings& settings);

// The date in the short date format, as code page 1250 text.
std::string formatShortDate(const QDate& date);

} // namespace platform
