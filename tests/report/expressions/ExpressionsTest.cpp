// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/expressions/RpExpressions.h"
#include "report/expressions/interpreter/InterpreterScript.h"
#include "report/expressions/interpreter/RpExpressionCache.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"

#include "platform/Error.h"
#include "platform/RegionalSettings.h"

#include <gtest/gtest.h>
#include <map>

using namespace report;

namespace {

// A report whose host handler answers from a table and records every name it was asked.
struct HostReport {
    TrpReport report;
    TrpReportPage* page = rpCreate<TrpReportPage>(&report);
    std::map<std::string, TrpVariant> answers;
    std::vector<std::string> asked;

    HostReport() {
        report.OnGetValue = [this](const std::string& name, TrpVariant& value) {
            asked.push_back(name);
            if (const auto it = answers.find(name); it != answers.end())
                value = it->second;
        };
        platform::RegionalSettings settings;
        settings.decimalSeparator = ',';
        settings.thousandSeparator = ' ';
        settings.shortDateFormat = "yyyy.MM.dd.";
        platform::setRegionalSettings(settings);
    }

    TrpMemoView* memo(std::vector<std::string> lines) {
        auto* m = rpCreate<TrpMemoView>(page);
        m->Memo = std::move(lines);
        return m;
    }
};

std::string expandAll(const std::string& text) {
    return ExpandDelimited(text, "[", "]", [](const std::string& e) { return "<" + e + ">"; });
}

} // namespace

TEST(DelimitedExpression, NestingAndQuotedDelimitersBelongToTheExpression) {
    const auto found = FindDelimitedExpression("x [IIF(a = ']', [b], 2)] y", "[", "]", 2);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->expression, "IIF(a = ']', [b], 2)");
    EXPECT_EQ(found->start, 2u);
    EXPECT_EQ(found->end, 24u);
    EXPECT_EQ(FindDelimitedExpression("[a \"]\" b]", "[", "]", 0)->expression, "a \"]\" b");
    EXPECT_FALSE(FindDelimitedExpression("x [a", "[", "]", 2));
    EXPECT_FALSE(FindDelimitedExpression("x [a]", "[", "]", 0)); // nothing starts at 0
    EXPECT_EQ(FindDelimitedExpression("<%m1%>", "<%", "%>", 0)->expression, "m1");
}

TEST(DelimitedExpression, ExpansionNeverRescansInsertedValues) {
    EXPECT_EQ(expandAll("a [b] c [d]"), "a <b> c <d>");
    EXPECT_EQ(expandAll("[[x]]"), "<[x]>");
    EXPECT_EQ(expandAll("no brackets"), "no brackets");
    EXPECT_EQ(expandAll("]["), "][");
    // An opening delimiter that never closes stays as it is, with the rest of the text.
    EXPECT_EQ(expandAll("[a] [b"), "<a> [b");
    EXPECT_EQ(ExpandDelimited("[a]", "[", "]", [](const std::string&) { return "[b]"; }), "[b]");
}

TEST(MemoExpansion, HandlerAnswersReplaceNamesAndMarkupStays) {
    HostReport h;
    h.answers["m1"] = std::string("Kft.");
    auto* memo = h.memo({"<u><b>[m1]</b></u>", "plain"});
    memo->FillValue();
    EXPECT_EQ(memo->Memo, (std::vector<std::string>{"<u><b>Kft.</b></u>", "plain"}));
    EXPECT_EQ(memo->LastValue, TrpVariant(std::string("Kft.")));
}

TEST(MemoExpansion, NamesReachTheHandlerExactlyAsWritten) {
    HostReport h;
    h.answers[" m1 "] = std::string("x");
    auto* memo = h.memo({"[ m1 ]"});
    memo->FillValue();
    EXPECT_EQ(h.asked, std::vector<std::string>{" m1 "});
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"x"});
}

TEST(MemoExpansion, AnEmptyStringAnswerPrintsNothingAndSkipsTheInterpreter) {
    HostReport h;
    h.answers["m13"] = std::string();
    auto* memo = h.memo({"name[m13], rest"});
    memo->FillValue();
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"name, rest"});
    EXPECT_TRUE(h.report.ErrorList.empty());
    EXPECT_EQ(h.report.ExpressionCache().Count(), 0u);
}

TEST(MemoExpansion, ADeclinedNameFailsWithTheErrorLine) {
    HostReport h;
    auto* memo = h.memo({"[m1]"});
    h.report.CurrentObjectName = "Memo3";
    try {
        memo->FillValue();
        FAIL() << "declined name expanded";
    } catch (const platform::Error& e) {
        const std::string line = e.what();
        EXPECT_EQ(line.rfind("Memo3: Hiba a kifejez\xE9sben 'm1': ", 0), 0u) << line;
        EXPECT_NE(line.find("m1"), std::string::npos);
        EXPECT_EQ(h.report.ErrorList, std::vector<std::string>{line});
    }
    h.report.ErrorList.clear();
    h.report.CurrentObjectName.clear();
    EXPECT_THROW(h.report.Calc("m1"), platform::Error);
    EXPECT_EQ(h.report.ErrorList.at(0).rfind("Hiba a kifejez\xE9sben 'm1': ", 0), 0u);
}

TEST(MemoExpansion, ValuesHoldingDelimitersPrintLiterally) {
    HostReport h;
    h.answers["m1"] = std::string("[x]");
    auto* memo = h.memo({"a[m1]b"});
    memo->FillValue();
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"a[x]b"});
    EXPECT_EQ(h.asked, std::vector<std::string>{"m1"});
}

TEST(MemoExpansion, UnansweredExpressionsAreCompiledAndEvaluated) {
    HostReport h;
    auto* memo = h.memo({"[1+1]", "[2 * 3.5]", "['a' + 'b']", "[7 div 2] [7 mod 2]"});
    memo->FillValue();
    EXPECT_EQ(memo->Memo, (std::vector<std::string>{"2", "7", "ab", "3 1"}));
    EXPECT_EQ(h.report.ExpressionCache().Count(), 5u);
}

TEST(MemoExpansion, OtherDelimitersMakeBracketsPlainText) {
    HostReport h;
    h.answers["m1"] = std::string("X");
    auto* memo = h.memo({"<%m1%> [m1]"});
    memo->ExpressionDelimiters = "<%,%>";
    memo->FillValue();
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"X [m1]"});
    auto* broken = h.memo({"[m1]"});
    broken->ExpressionDelimiters = "[";
    broken->FillValue(); // no closing delimiter: nothing to expand
    EXPECT_EQ(broken->Memo, std::vector<std::string>{"[m1]"});
}

TEST(MemoExpansion, HideZerosHidesNumericZeroButNotTheStringZero) {
    HostReport h;
    h.answers["n"] = 0;
    h.answers["f"] = 0.0;
    h.answers["s"] = std::string("0");
    h.answers["b"] = false;
    auto* memo = h.memo({"[n]|[f]|[s]|[b]"});
    memo->HideZeros = true;
    memo->FillValue();
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"||0|"});
    auto* shown = h.memo({"[n]|[f]"});
    shown->FillValue();
    EXPECT_EQ(shown->Memo, std::vector<std::string>{"0|0"});
}

TEST(MemoExpansion, EveryOccurrenceAsksTheHandlerAgain) {
    HostReport h;
    h.answers["datum"] = std::string("2024.01.02.");
    h.memo({"[datum]"})->FillValue();
    h.memo({"x [datum]"})->FillValue();
    EXPECT_EQ(h.asked.size(), 2u);
}

TEST(MemoExpansion, TagStrAndUrlAreExpandedToo) {
    HostReport h;
    h.answers["id"] = 12;
    auto* memo = h.memo({});
    memo->TagStr = "#[id]";
    memo->URL = "@[id]";
    memo->FillValue();
    EXPECT_EQ(memo->TagStr, "#12");
    EXPECT_EQ(memo->URL, "@12");
}

TEST(MemoExpansion, FormatSuffixSelectsKindAndDecimalSeparator) {
    HostReport h;
    h.answers["v"] = 1234.5;
    h.answers["t"] = true;
    auto* memo = h.memo({"[v #n%2,2f]", "[v #N#0-000]", "[t #BNo,Yes]", "[v]", "[v #x]"});
    memo->FillValue();
    EXPECT_EQ(memo->Memo,
              (std::vector<std::string>{"1234,50", "1234-500", "Yes", "1234,5", "1234,5"}));
    // The value, not the format, is remembered; the report script's Value gets it.
    EXPECT_EQ(memo->LastValue, TrpVariant(1234.5));
    EXPECT_EQ(h.report.Script().Scope.Find("Value")->read(), TrpVariant(1234.5));
}

TEST(MemoExpansion, DisplayFormatAppliesWithoutSuffixAndFallsBackOnErrors) {
    HostReport h;
    h.answers["v"] = 1234567.891;
    h.answers["s"] = std::string("abc");
    auto* memo = h.memo({"[v]", "[s]"});
    memo->DisplayFormat.Kind = fkNumeric;
    memo->DisplayFormat.FormatStr = "#,##0.00";
    memo->FillValue();
    EXPECT_EQ(memo->Memo, (std::vector<std::string>{"1 234 567,89", "abc"}));
}

TEST(MemoExpansion, TotalPagesHashIsLeftForDrawing) {
    HostReport h;
    auto* memo = h.memo({"Total: [TotalPages#] [totalpages#]"});
    memo->FillValue();
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"Total: [TotalPages#] [TotalPages#]"});
    EXPECT_TRUE(h.asked.empty());
}

TEST(MemoExpansion, HighlightAndSuppressRepeated) {
    HostReport h;
    h.answers["v"] = 5;
    auto* memo = h.memo({"[v]"});
    memo->Highlight.Condition = "Value > 3";
    memo->SuppressRepeated = true;
    memo->SaveOutputState();
    memo->FillValue();
    EXPECT_TRUE(memo->Highlight.Active);
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"5"});
    memo->RestoreOutputState();
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"[v]"});
    memo->FillValue(); // the same text again: printed empty
    EXPECT_TRUE(memo->Memo.empty());
}

TEST(LookUp, SystemVariablesIgnoreCaseAndFollowTheRun) {
    HostReport h;
    h.report.Run.StartDate = toDateTime(QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    h.report.Run.CurrentPageIndex = 0;
    h.report.Run.TotalPages = 4;
    auto* memo = h.memo({"[Page#]/[TotalPages] [DATE] [page]"});
    memo->FillValue();
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"1/4 2024.03.05. 1"});
    EXPECT_EQ(h.report.Calc("totalpages#"), TrpVariant(4));
    EXPECT_TRUE(h.asked.empty());
}

TEST(LookUp, VariablesAreExpressionsAndGetSetReachThem) {
    HostReport h;
    h.report.Variables.Set("Sum", std::string("2 + 3"));
    h.report.Variables.Set("Count", 7);
    EXPECT_EQ(h.report.Calc("sum"), TrpVariant(int64_t{5}));
    EXPECT_EQ(h.report.Calc("Count"), TrpVariant(7));
    EXPECT_EQ(h.report.Calc("Get('count') * 2"), TrpVariant(int64_t{14}));
    h.report.Calc("IIF(1 = 1, Set('fresh', 'x'), 0)");
    EXPECT_EQ(h.report.Variables.Find("fresh")->Value, TrpVariant(std::string("x")));
    // Get of an unknown name adds a line and gives null without failing.
    EXPECT_TRUE(h.report.Calc("Get('nothing')").isNull());
    EXPECT_EQ(h.report.ErrorList,
              std::vector<std::string>{"Ismeretlen mez\xF5 vagy v\xE1ltoz\xF3: nothing"});
}

TEST(LookUp, AVariableThatRefersToItselfFailsInsteadOfRecursing) {
    HostReport h;
    h.report.Variables.Set("a", std::string("b"));
    h.report.Variables.Set("b", std::string("a"));
    EXPECT_THROW(h.report.Calc("a"), platform::Error);
    h.report.Variables.Set("b", std::string("1 + 1"));
    EXPECT_EQ(h.report.Calc("a"), TrpVariant(int64_t{2}));
}

TEST(LookUp, AggregatesAskTheEngineWithTheTrimmedExpression) {
    HostReport h;
    std::string seen;
    h.report.AggregateValue = [&seen](const std::string& e) {
        seen = e;
        return TrpVariant(10);
    };
    EXPECT_EQ(h.report.Calc(" sum (x) "), TrpVariant(10));
    EXPECT_EQ(seen, "sum (x)");
}

TEST(ValueFormatting, KindsAndFallbacks) {
    HostReport h; // regional settings: decimal comma, blank thousands
    TrpFormat f;
    EXPECT_EQ(FormatExpressionValue(TrpVariant::Null(), f), "");
    EXPECT_EQ(FormatExpressionValue(0.1 + 0.2, f), "0,3");
    EXPECT_EQ(FormatExpressionValue(1e20, f), "1E20");
    EXPECT_EQ(FormatExpressionValue(true, f), "True");
    f.Kind = fkNumeric;
    f.FormatStr = "%2.2f";
    EXPECT_EQ(FormatExpressionValue(3.14159, f), "3,14");
    f.DecimalSeparator = ".";
    EXPECT_EQ(FormatExpressionValue(3.14159, f), "3.14");
    f.FormatStr = "%d"; // no integer conversion of a floating-point value: default form
    EXPECT_EQ(FormatExpressionValue(3, f), "3");
    f.FormatStr = "#,##0.00;(#,##0.00);'zero'";
    EXPECT_EQ(FormatExpressionValue(-1234.5, f), "(1 234.50)");
    EXPECT_EQ(FormatExpressionValue(0, f), "zero");
    f.FormatStr = "0.0#"; // not a picture: printf-style text without a conversion
    EXPECT_EQ(FormatExpressionValue(2.456, f), "0.0#");
    f.FormatStr = "#0.0#";
    EXPECT_EQ(FormatExpressionValue(2.456, f), "2.46");
    EXPECT_EQ(FormatExpressionValue(2, f), "2.0");
    f.Kind = fkBoolean;
    f.FormatStr = "nem,igen";
    EXPECT_EQ(FormatExpressionValue(false, f), "nem");
    EXPECT_EQ(FormatExpressionValue(1, f), "igen");
    f.Kind = fkDateTime;
    f.FormatStr = "yyyy-mm-dd hh:nn";
    const TDateTime moment = toDateTime(QDateTime(QDate(2006, 4, 14), QTime(17, 49, 38)));
    EXPECT_EQ(FormatExpressionValue(TrpVariant::DateTime(moment), f), "2006-04-14 17:49");
    f.FormatStr.clear();
    EXPECT_EQ(FormatExpressionValue(TrpVariant::DateTime(std::floor(moment)), f), "2006.04.14.");
}
