// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegionalSettings.h"

#include "platform/Cp1250.h"

#include <optional>

namespace platform {
namespace {

// A separator is one character of code page 1250; a locale whose separator is longer or cannot be
// written in the code page keeps the fallback.
char separatorOf(const QString& text, char fallback) {
    if (text.size() != 1 || !isCp1250Representable(text.at(0)))
        return fallback;
    return toCp1250(text.at(0));
}

std::optional<RegionalSettings>& installed() {
    static std::optional<RegionalSettings> settings;
    return settings;
}

} // namespace

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale) {
    RegionalSettings s;
    s.decimalSeparator = separatorOf(locale.decimalPoint(), '.');
    s.thousandSeparator = separatorOf(locale.groupSeparator(), ',');
    if (s.thousandSeparator == s.decimalSeparator)
        s.thousandSeparator = s.decimalSeparator == ',' ? '.' : ',';
    s.shortDateFormat = toCp1250(locale.dateFormat(QLocale::ShortFormat));
    s.longTimeFormat = toCp1250(locale.timeFormat(QLocale::LongFormat));
    return s;
}

RegionalSettings RegionalSettings::hungarian() {
    RegionalSettings s;
    s.decimalSeparator = ',';
    s.thousandSeparator = ' ';
    s.shortDateFormat = "yyyy. MM. dd.";
    s.longTimeFormat = "H:mm:ss";
    return s;
}

RegionalSettings RegionalSettings::ofSystem(const QLocale& system) {
    // Qt reports both "C" and "POSIX" (and an unset LANG) as the C language.
    return system.language() == QLocale::C ? hungarian() : fromLocale(system);
}

const RegionalSettings& regionalSettings() {
    auto& settings = installed();
    if (!settings)
        settings = RegionalSettings::ofSystem(QLocale::system());
    return *settings;
}

void setRegionalSettings(const RegionalSettings& settings) {
    installed() = settings;
}

std::string formatShortDate(const QDate& date) {
    return toCp1250(date.toString(toUnicode(regionalSettings().shortDateFormat)));
}

} // namespace platform
