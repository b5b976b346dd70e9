// SPDX-License-Identifier: GPL-3.0-or-later
// The report engine's numbers read and write the same under every C library locale: Qt sets it
// from the environment, and under hu_HU.UTF-8 the C library's decimal point is ",".
#include "report/expressions/RpValueFormat.h"
#include "report/expressions/RpVariant.h"
#include "report/expressions/interpreter/InterpreterScript.h"

#include "platform/Error.h"
#include "platform/RegionalSettings.h"

#include "support/CLibraryLocale.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

class ReportNumbers : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!locale_.active())
            GTEST_SKIP() << "the locale " << GetParam() << " is not installed";
        platform::RegionalSettings hungarian;
        hungarian.decimalSeparator = ',';
        hungarian.thousandSeparator = ' ';
        platform::setRegionalSettings(hungarian);
    }
    void TearDown() override { platform::setRegionalSettings(saved_); }

    static TrpVariant eval(const std::string& expression) {
        InterpreterScript script;
        const bool ok = script.Compile("function F: Variant; begin Result := " + expression +
                                       " end; begin end.");
        EXPECT_TRUE(ok) << expression << ": " << script.Error().message;
        return ok ? script.Call("F") : TrpVariant::Null();
    }

private:
    CLibraryLocale locale_{GetParam()};
    platform::RegionalSettings saved_ = platform::regionalSettings();
};

} // namespace

TEST_P(ReportNumbers, TextBecomesAFloatWithEitherSeparator) {
    EXPECT_EQ(TrpVariant(std::string("1.5")).toFloat(), 1.5);
    EXPECT_EQ(TrpVariant(std::string(" 1,25 ")).toFloat(), 1.25);
    EXPECT_EQ(TrpVariant(std::string("-2e3")).toFloat(), -2000.0);
    EXPECT_THROW(TrpVariant(std::string("1.5x")).toFloat(), platform::Error);
    EXPECT_THROW(TrpVariant(std::string("nan")).toFloat(), platform::Error);
}

TEST_P(ReportNumbers, FloatsBecomeTextWithTheRegionalSeparator) {
    EXPECT_EQ(TrpVariant(1.5).toString(), "1,5");
    EXPECT_EQ(TrpVariant(0.1 + 0.2).toString(), "0,3");
    EXPECT_EQ(TrpVariant(1e20).toString(), "1E20");
    EXPECT_EQ(TrpVariant(-1.25e-5).toString(), "-1,25E-5");
}

TEST_P(ReportNumbers, ExpressionLiteralsReadTheFullStopAsTheirPoint) {
    EXPECT_EQ(eval("1.5 * 2"), TrpVariant(3.0));
    EXPECT_EQ(eval("2.5e1"), TrpVariant(25.0));
    EXPECT_EQ(eval("0.125"), TrpVariant(0.125));
}

TEST_P(ReportNumbers, FormatsWriteTheGivenSeparators) {
    EXPECT_EQ(formatPrintf("%2.2f", 3.14159, ',', ' '), "3,14");
    EXPECT_EQ(formatPrintf("%n", 1234567.891, ',', ' '), "1 234 567,89");
    EXPECT_EQ(formatPrintf("%.3e", 12345.678, ',', ' '), "1,23E+04");
    EXPECT_EQ(formatPrintf("%g", 0.5, ',', ' '), "0,5");
    EXPECT_EQ(formatFloatPicture("#,##0.00", 1234.5, ',', ' '), "1 234,50");
    EXPECT_EQ(formatFloatPicture("0.#", -0.04, ',', ' '), "0");
}

INSTANTIATE_TEST_SUITE_P(Locales, ReportNumbers, ::testing::ValuesIn(kTestLocales),
                         [](const auto& info) {
                             return std::string(info.param[0] == 'C' ? "C" : "Hungarian");
                         });
