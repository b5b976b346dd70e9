// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberConversion.h"

#include "support/CLibraryLocale.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace platform;

class NumberConversion : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!locale_.active())
            GTEST_SKIP() << "the locale " << GetParam() << " is not installed";
    }

private:
    CLibraryLocale locale_{GetParam()};
};

TEST_P(NumberConversion, ReadsAFullStopAsTheDecimalPointWhateverTheLocale) {
    EXPECT_EQ(textToDouble("1.5"), 1.5);
    EXPECT_EQ(textToDouble("-0.25e2"), -25.0);
    EXPECT_EQ(textToDouble("+3"), 3.0);
    EXPECT_EQ(textToDouble(".5"), 0.5);
    EXPECT_EQ(textToDouble("1,5"), std::nullopt); // the locale's "," is no decimal point here
    EXPECT_EQ(textToDouble("1.5 "), std::nullopt);
    EXPECT_EQ(textToDouble(""), std::nullopt);
    EXPECT_EQ(textToDouble("+-1"), std::nullopt);
    EXPECT_EQ(textToDouble("1e999"), INFINITY);
    EXPECT_EQ(textToDouble("-1e999"), -INFINITY);
    EXPECT_EQ(textToDouble("1e-999"), 0.0);
    EXPECT_EQ(textToDouble("0.0001e-400"), 0.0);
}

TEST_P(NumberConversion, ReadDoubleTellsWhereTheNumberEnded) {
    double value = 7;
    EXPECT_EQ(readDouble("2.75)", value), 4u);
    EXPECT_EQ(value, 2.75);
    EXPECT_EQ(readDouble("12e", value), 2u); // an exponent without digits is not part of it
    EXPECT_EQ(value, 12.0);
    value = 7;
    EXPECT_EQ(readDouble("x1", value), 0u);
    EXPECT_EQ(value, 7.0);
}

TEST_P(NumberConversion, WritesAsPrintfDoesInTheCLocale) {
    EXPECT_EQ(doubleToText(1.5, FloatForm::Fixed, 2), "1.50");
    EXPECT_EQ(doubleToText(-0.005, FloatForm::Fixed, 0), "-0");
    EXPECT_EQ(doubleToText(1e20, FloatForm::General, 15), "1e+20");
    EXPECT_EQ(doubleToText(0.1 + 0.2, FloatForm::General, 15), "0.3");
    EXPECT_EQ(doubleToText(12345.678, FloatForm::Scientific, 3), "1.235e+04");
    EXPECT_EQ(doubleToText(2.5, FloatForm::General, -1), "2.5");
    // The largest double in full, with a long fraction: nothing is cut off.
    EXPECT_EQ(doubleToText(1.7976931348623157e308, FloatForm::Fixed, 100).size(), 309u + 1 + 100);
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberConversion, ::testing::ValuesIn(kTestLocales),
                         [](const auto& info) {
                             return std::string(info.param[0] == 'C' ? "C" : "Hungarian");
                         });
