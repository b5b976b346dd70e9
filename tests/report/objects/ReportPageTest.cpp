// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/common/RpResources.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpPaperSizes.h"

#include "platform/Cp1250.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace report;

namespace {

std::string cp(const char* utf8) {
    return platform::toCp1250(QString::fromUtf8(utf8));
}

} // namespace

TEST(ReportPage, A4PortraitIs794By1123Units) {
    TrpReportPage page;
    page.SetPaperWidth(210);
    page.SetPaperHeight(297);
    EXPECT_EQ(page.PaperSize(), customPaperSize);
    page.SetPaperSize(9);
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_EQ(page.PaperWidth(), 210);
    EXPECT_EQ(page.PaperHeight(), 297);
    EXPECT_EQ(page.Width, 794);
    EXPECT_EQ(page.Height, 1123);
}

TEST(ReportPage, LandscapeTurnsPaperAndMarginsAndBack) {
    TrpReportPage page;
    page.LeftMargin = 22;
    page.RightMargin = 20;
    page.TopMargin = 10;
    page.BottomMargin = 25;
    page.SetOrientation(poLandscape);
    EXPECT_EQ(page.PaperWidth(), 297);
    EXPECT_EQ(page.PaperHeight(), 210);
    EXPECT_EQ(page.Width, 1123);
    EXPECT_EQ(page.Height, 794);
    EXPECT_EQ(page.LeftMargin, 10);
    EXPECT_EQ(page.RightMargin, 25);
    EXPECT_EQ(page.TopMargin, 20);
    EXPECT_EQ(page.BottomMargin, 22);
    page.SetOrientation(poLandscape); // no change, no turn
    EXPECT_EQ(page.LeftMargin, 10);
    page.SetOrientation(poPortrait);
    EXPECT_EQ(page.LeftMargin, 22);
    EXPECT_EQ(page.RightMargin, 20);
    EXPECT_EQ(page.TopMargin, 10);
    EXPECT_EQ(page.BottomMargin, 25);
    EXPECT_EQ(page.Width, 794);
}

TEST(ReportPage, PaperCodesLookUpTheTableAndTurnForLandscape) {
    TrpReportPage page;
    page.SetOrientation(poLandscape);
    page.SetPaperSize(11); // A5
    EXPECT_EQ(page.PaperWidth(), 210);
    EXPECT_EQ(page.PaperHeight(), 148);
    page.SetPaperSize(48); // not in the table: size stays
    EXPECT_EQ(page.PaperSize(), 48);
    EXPECT_EQ(page.PaperWidth(), 210);
    EXPECT_EQ(page.PaperHeight(), 148);
}

TEST(PaperSizes, TableAnswersKnownCodesOnly) {
    double w = -1, h = -1;
    EXPECT_TRUE(PaperSizeOf(9, w, h));
    EXPECT_EQ(w, 210);
    EXPECT_EQ(h, 297);
    EXPECT_TRUE(PaperSizeOf(26, w, h));
    EXPECT_EQ(w, 863.6);
    EXPECT_EQ(h, 1117.6);
    w = h = -1;
    for (int code : {0, 48, 49, 69, 256}) {
        EXPECT_FALSE(PaperSizeOf(code, w, h)) << code;
        EXPECT_EQ(w, -1);
        EXPECT_EQ(h, -1);
    }
}

TEST(ReportPage, ColumnsDivideThePrintableWidth) {
    TrpReportPage page;
    page.LeftMargin = 10;
    page.RightMargin = 20;
    page.SetColumns(3);
    EXPECT_EQ(page.ColumnWidth, 60);
    EXPECT_EQ(page.ColumnPositions, (std::vector<double>{0, 60, 120}));
    EXPECT_DOUBLE_EQ(page.PrintableWidth(), 180 * fr01cm);
}

TEST(Report, ClearRestoresScriptSystemNamesAndOptions) {
    TrpReport report;
    rpCreate<TrpReportPage>(&report);
    report.ScriptText = {"x"};
    report.ScriptLanguage = "Basic";
    report.DotMatrixReport = true;
    report.Variables.Set("a", 1);
    report.EngineOptions.DoublePass = true;
    report.EngineOptions.SilentMode = true; // not reset
    report.PreviewOptions.OutlineWidth = 5;
    report.PreviewOptions.Zoom = 2; // not reset
    report.PrintOptions.Copies = 3;
    report.PrintOptions.Printer = "X";
    report.ReportOptions.Author = "me";
    report.ReportOptions.CreateDate = 1;
    report.Clear();
    EXPECT_TRUE(report.Objects().empty());
    EXPECT_EQ(report.ScriptText, (std::vector<std::string>{"begin", "", "end."}));
    EXPECT_EQ(report.ScriptLanguage, "Pascal");
    EXPECT_FALSE(report.DotMatrixReport);
    EXPECT_EQ(report.Variables.Count(), 0u);
    EXPECT_EQ(report.SystemVariables,
              (std::vector<std::string>{"Date", "Time", "Page", "Page#", "TotalPages",
                                        "TotalPages#", "Line", "Line#"}));
    EXPECT_FALSE(report.EngineOptions.DoublePass);
    EXPECT_TRUE(report.EngineOptions.SilentMode);
    EXPECT_EQ(report.PreviewOptions.OutlineWidth, 120);
    EXPECT_EQ(report.PreviewOptions.Zoom, 2);
    EXPECT_EQ(report.PrintOptions.Copies, 1);
    EXPECT_EQ(report.PrintOptions.Printer, cp("Alapértelmezett"));
    EXPECT_TRUE(report.ReportOptions.Author.empty());
    EXPECT_GT(report.ReportOptions.CreateDate, 40000); // the current moment, not 1
    EXPECT_EQ(report.ReportOptions.LastChange, report.ReportOptions.CreateDate);
}

TEST(Report, OptionGroupsStartWithTheirDefaults) {
    TrpReport report;
    EXPECT_TRUE(report.EngineOptions.ConvertNulls);
    EXPECT_EQ(report.EngineOptions.MaxMemSize, 10000000);
    EXPECT_TRUE(report.EngineOptions.PrintIfEmpty);
    EXPECT_FALSE(report.EngineOptions.UseFileCache);
    EXPECT_EQ(report.PreviewOptions.Buttons, 0x7FF);
    EXPECT_TRUE(report.PreviewOptions.Modal);
    EXPECT_TRUE(report.PreviewOptions.Maximized);
    EXPECT_EQ(report.PreviewOptions.ZoomMode, zmDefault);
    EXPECT_TRUE(report.PrintOptions.Collate);
    EXPECT_TRUE(report.PrintOptions.ShowDialog);
    EXPECT_EQ(report.PrintOptions.PrintPages, ppAll);
}

TEST(Resources, KnownKeysGiveHungarianTextAndUnknownKeysThemselves) {
    EXPECT_EQ(rpResource("clExprError"), cp("Hiba a kifejezésben"));
    EXPECT_EQ(rpResource("clUnknownVar"), cp("Ismeretlen mező vagy változó:"));
    EXPECT_EQ(rpResource("xrCantFindClass"), cp("Nem találom az osztályt"));
    EXPECT_EQ(rpResource("clDSNotExist"), cp("A(z) \"%s\" DataSet nem létezik"));
    EXPECT_EQ(rpResource("enUnconnGFooter"), cp("Nincs fejléc ")); // trailing blank kept
    EXPECT_EQ(rpResource("prDupl"), "prDupl");
    EXPECT_EQ(rpResource(""), "");
}

TEST(Resources, WindowTextsSplitIntoComponentPropertyAndValue) {
    const std::vector<TrpWindowTextSetting> texts = rpWindowTexts("TrpPrintDialog");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].component, "");
    EXPECT_EQ(texts[0].property, "Caption");
    EXPECT_EQ(texts[0].value, "Nyomtat");
    bool sawGroupBox = false;
    for (const TrpWindowTextSetting& s : texts)
        if (s.component == "Label12") {
            sawGroupBox = true;
            EXPECT_EQ(s.property, "Caption");
            EXPECT_EQ(s.value, cp("Nyomtató  "));
        }
    EXPECT_TRUE(sawGroupBox);
    EXPECT_TRUE(rpWindowTexts("TrpNoSuchForm").empty());
    EXPECT_FALSE(rpWindowTexts("TrpPreviewForm").empty());
}

TEST(ReportPage, APaperBeyondAnyDeviceSaturatesThePageSize) {
    TrpReportPage page;
    page.SetPaperWidth(1e300);
    page.SetPaperHeight(-1e12);
    EXPECT_EQ(page.Width, 1 << 30);
    EXPECT_EQ(page.Height, -(1 << 30));
    EXPECT_EQ(rpRound(std::nan("")), 0);
    EXPECT_EQ(rpRound(2.5), 2);
    EXPECT_EQ(rpRound(-2147483648.4), -(1 << 30));
}
