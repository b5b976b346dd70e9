// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

const NumberSeparators hu{',', ' '};
const NumberSeparators en{'.', ','};

std::string fmt(long double x, TNumberFormat format, int decimals, const NumberSeparators& s = hu) {
    return FormatNumber(x, format, decimals, s);
}

std::string parseError(const std::string& text, const NumberSeparators& s = hu) {
    try {
        ParseNumber(text, s);
    } catch (const platform::ConvertError& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(StripGroupSeparators, RemovesEverySeparatorAndKeepsANumberBehind) {
    EXPECT_EQ(StripGroupSeparators("1 234 567,5", ' '), "1234567,5");
    EXPECT_EQ(StripGroupSeparators("  ", ' '), "0");
    EXPECT_EQ(StripGroupSeparators("", ' '), "0");
    EXPECT_EQ(StripGroupSeparators("- ", ' '), "-0");
    EXPECT_EQ(StripGroupSeparators("1,234", ','), "1234");
}

TEST(ParseNumber, ReadsThePlatformTextToFloatShapes) {
    EXPECT_EQ(ParseNumber("1 234,5", hu), 1234.5L);
    EXPECT_EQ(ParseNumber("  -12,25  ", hu), -12.25L);
    EXPECT_EQ(ParseNumber("+7", hu), 7.0L);
    EXPECT_EQ(ParseNumber(",", hu), 0.0L); // a lone separator reads as 0
    EXPECT_EQ(ParseNumber("5,", hu), 5.0L);
    EXPECT_EQ(ParseNumber(",5", hu), 0.5L);
    EXPECT_EQ(ParseNumber("12E", hu), 12.0L); // no exponent digits: exponent 0
    EXPECT_EQ(ParseNumber("12E5", hu), 1200000.0L);
    EXPECT_EQ(ParseNumber("12e-1", hu), 1.2L);
    EXPECT_EQ(ParseNumber("", hu), 0.0L);  // stripped to "0"
    EXPECT_EQ(ParseNumber("-", hu), 0.0L); // stripped to "-0"
    EXPECT_EQ(ParseNumber("1,234.5", en), 1234.5L);
    EXPECT_EQ(ParseNumber("1E-4999", hu), 0.0L); // underflow is zero, not an error
    EXPECT_GT(ParseNumber("1E4000", hu), 1e300L);
}

TEST(ParseNumber, RefusesOtherTextWithThePlatformMessage) {
    EXPECT_EQ(parseError("1.234"), "'1.234' is not a valid floating point value");
    EXPECT_EQ(parseError("12a"), "'12a' is not a valid floating point value");
    EXPECT_EQ(parseError("E5"), "'E5' is not a valid floating point value");
    EXPECT_EQ(parseError("--1"), "'--1' is not a valid floating point value");
    EXPECT_EQ(parseError("1,2,3"), "'1,2,3' is not a valid floating point value");
    // The message shows the text without its group separators.
    EXPECT_EQ(parseError("1 2x3"), "'12x3' is not a valid floating point value");
    // Exponent digits stop being read at 500, so a further digit is left over.
    EXPECT_EQ(parseError("1E5000"), "'1E5000' is not a valid floating point value");
    EXPECT_EQ(parseError("1E4933"), "'1E4933' is not a valid floating point value"); // overflow
    EXPECT_EQ(parseError("1,5E"), "(no error)");
}

TEST(FormatNumber, CertificateFieldExamples) {
    const auto t = TNumberFormat::Thousands;
    EXPECT_EQ(fmt(0, t, -1), "0");
    EXPECT_EQ(fmt(1234567, t, -1), "1 234 567");
    EXPECT_EQ(fmt(-1234.5L, t, -1), "-1 234,5");
    EXPECT_EQ(fmt(0.25L, t, -1), "0,25");
    EXPECT_EQ(fmt(123, t, -1), "123");
    EXPECT_EQ(fmt(1234, t, -1), "1 234");
    EXPECT_EQ(fmt(-123456, t, -1), "-123 456");
    EXPECT_EQ(fmt(1234.5L, t, -1, en), "1,234.5");
}

TEST(FormatNumber, DecimalsAndRoundingHalfAwayFromZero) {
    const auto s = TNumberFormat::Standard;
    EXPECT_EQ(fmt(12.5L, s, 2), "12,50");
    EXPECT_EQ(fmt(12.5L, s, 0), "13");
    EXPECT_EQ(fmt(-12.5L, s, 0), "-13");
    EXPECT_EQ(fmt(0.125L, s, 2), "0,13");
    EXPECT_EQ(fmt(ParseNumber("1,005", hu), s, 2), "1,01"); // decimal rounding of what was typed
    EXPECT_EQ(fmt(9.999L, s, 2), "10,00");
    EXPECT_EQ(fmt(-0.001L, s, 2), "0,00"); // rounds to zero: no sign
    EXPECT_EQ(fmt(1.5L, s, -1), "1,5");
    EXPECT_EQ(fmt(1e20L, s, -1), "100000000000000000000");
    EXPECT_EQ(fmt(1234567.891L, TNumberFormat::Thousands, 2), "1 234 567,89");
}

TEST(FormatNumber, StandardKeeps14DecimalsThousandsCapsAt15SignificantDigits) {
    const long double x = ParseNumber("1234,12345678901234", hu);
    EXPECT_EQ(fmt(x, TNumberFormat::Standard, -1), "1234,12345678901234");
    EXPECT_EQ(fmt(x, TNumberFormat::Thousands, -1), "1 234,12345678901");
    EXPECT_EQ(fmt(ParseNumber("0,5", hu), TNumberFormat::Standard, -1), "0,5");
    // A value below 1 counts its leading "0".
    EXPECT_EQ(fmt(ParseNumber("0,123456789012345678", hu), TNumberFormat::Thousands, -1),
              "0,12345678901235");
    // Sixteen integer digits leave no room for a fraction.
    EXPECT_EQ(fmt(ParseNumber("1234567890123456,7", hu), TNumberFormat::Thousands, -1),
              "1 234 567 890 123 457");
    // Fixed decimals beyond the 15 digits are filled with zeros.
    EXPECT_EQ(fmt(ParseNumber("1234567890123,456", hu), TNumberFormat::Standard, 4),
              "1234567890123,4600");
    EXPECT_EQ(fmt(ParseNumber("123456789012345,67", hu), TNumberFormat::Thousands, 2),
              "123 456 789 012 346,00");
}

TEST(FormatNumber, ScientificAndEngineering) {
    const auto sc = TNumberFormat::Scientific;
    const auto en3 = TNumberFormat::Engineering;
    EXPECT_EQ(fmt(12500, sc, -1), "1,25E4");
    EXPECT_EQ(fmt(-0.00125L, sc, -1), "-1,25E-3");
    EXPECT_EQ(fmt(12500, sc, 3), "1,250E4");
    EXPECT_EQ(fmt(99999, sc, 2), "1,00E5");
    EXPECT_EQ(fmt(0, sc, -1), "0E0");
    EXPECT_EQ(fmt(0, sc, 2), "0,00E0");
    EXPECT_EQ(fmt(12500, en3, -1), "12,5E3");
    EXPECT_EQ(fmt(1234567, en3, -1), "1,234567E6");
    EXPECT_EQ(fmt(123456, en3, 2), "123,46E3");
    EXPECT_EQ(fmt(0.001L, en3, -1), "1E-3");
    EXPECT_EQ(fmt(0.0005L, en3, -1), "0,5E-3");
    EXPECT_EQ(fmt(0.002L, en3, -1), "0,002E0"); // log10 / 3 truncated toward zero
    EXPECT_EQ(fmt(0, en3, -1), "0E0");
    EXPECT_EQ(fmt(-12500, en3, 0), "-13E3");
}

TEST(FormatNumber, RoundTripsThroughParseNumber) {
    for (const char* text : {"0,1", "1 234 567,25", "-0,5", "999 999 999 999,999", "12"}) {
        const long double x = ParseNumber(text, hu);
        EXPECT_EQ(FormatNumber(x, TNumberFormat::Thousands, -1, hu), text);
    }
}
