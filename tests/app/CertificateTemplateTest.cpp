// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateTemplate.h"
#include "platform/Cp1250.h"
#include "report/RpReport.h"
#include "report/objects/RpBarCodeView.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpPictureView.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

class CertificateTemplate : public ::testing::Test {
protected:
    TrpReport report;
    void SetUp() override {
        app::LoadCertificateTemplate(report);
        ASSERT_TRUE(report.ErrorList.empty()) << report.ErrorList.front();
    }
    template <class T>
    T* find(const char* name) {
        return dynamic_cast<T*>(report.FindByName(name));
    }
};

} // namespace

TEST_F(CertificateTemplate, IsOneA4PageWithTheReportSettings) {
    ASSERT_EQ(report.Pages().size(), 1u);
    const TrpReportPage* page = report.Pages()[0];
    EXPECT_EQ(page->Name(), "Page1");
    EXPECT_EQ(page->PaperSize(), 9);
    EXPECT_EQ(page->Orientation(), poPortrait);
    EXPECT_DOUBLE_EQ(page->LeftMargin, 22);
    EXPECT_DOUBLE_EQ(page->BottomMargin, 25);
    EXPECT_NEAR(page->PrintableWidth(), 634.96, 0.01);
    EXPECT_NEAR(page->PrintableHeight(), 990.24, 0.01);
    EXPECT_EQ(report.PreviewOptions.Buttons, (1 << pbPrint) | (1 << pbZoom));
    EXPECT_DOUBLE_EQ(report.PreviewOptions.Zoom, 1.0);
    EXPECT_EQ(report.PrintOptions.Printer, "Default");
    EXPECT_EQ(report.ScriptText, (std::vector<std::string>{"begin", "", "end."}));
}

TEST_F(CertificateTemplate, ObjectsStandInOutputOrder) {
    std::vector<std::string> names;
    for (TrpComponent* c : report.Pages()[0]->Objects())
        names.push_back(c->Name());
    const std::vector<std::string> expected = {
        "Memo1",   "Memo2",   "Memo46",   "Line16",   "Line17", "Memo30",   "Memo64",
        "Line1",   "Memo66",  "Picture1", "Picture2", "Line40", "BarCode1", "Memo65",
        "Memo174", "Memo175", "Memo176",  "Memo177",  "Line5",  "Memo7",    "Memo8",
        "Memo14",  "Line3",   "Memo15",   "Memo3"};
    EXPECT_EQ(names, expected);
}

TEST_F(CertificateTemplate, TextObjectsCarryTheirFontsAlignmentAndText) {
    const auto* body = find<TrpMemoView>("Memo3");
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->Font().Name, "Tahoma");
    EXPECT_EQ(body->Font().Size, 11);
    EXPECT_EQ(body->HAlign, haBlock);
    EXPECT_TRUE(body->AllowHTMLTags);
    EXPECT_DOUBLE_EQ(body->LineSpacing, 6);
    ASSERT_EQ(body->Memo.size(), 7u);
    EXPECT_EQ(body->Memo[0], "<u><b>[m1]</b></u>");
    EXPECT_NE(body->Memo[5].find("Nevezett  utols\xF3"), std::string::npos);
    EXPECT_NE(body->Memo[5].find("):  <b>[m7]</b> Ft."), std::string::npos);

    const auto* title = find<TrpMemoView>("Memo1");
    EXPECT_EQ(title->Memo,
              (std::vector<std::string>{platform::fromUtf8("MUNKÁLTATÓI IGAZOLÁS"), ""}));
    EXPECT_EQ(title->Font().Style, 1); // bold
    const auto* code = find<TrpMemoView>("Memo64");
    EXPECT_EQ(code->Font().Name, "Franklin Gothic Medium");
    EXPECT_EQ(code->Font().Size, 14);
    const auto* footer = find<TrpMemoView>("Memo65");
    EXPECT_EQ(footer->Font().Size, 6);
    EXPECT_EQ(footer->VAlign, vaBottom);
    const auto* stamp = find<TrpMemoView>("Memo15");
    EXPECT_EQ(stamp->Font().Color, 13421772u);
    EXPECT_EQ(stamp->Frame.Style, fsDot);
    EXPECT_EQ(stamp->Frame.Typ, 0); // a dotted style without sides draws no frame
}

TEST_F(CertificateTemplate, HiddenObjectsAndThePictures) {
    EXPECT_FALSE(find<TrpMemoView>("Memo46")->Visible);
    const auto* barcode = find<TrpBarCodeView>("BarCode1");
    ASSERT_NE(barcode, nullptr);
    EXPECT_FALSE(barcode->Visible);
    EXPECT_EQ(barcode->Text, "12345678");
    EXPECT_FALSE(barcode->ShowText);
    EXPECT_EQ(barcode->BarType, bcCode39);
    const auto* arms = find<TrpPictureView>("Picture1");
    const auto* iso = find<TrpPictureView>("Picture2");
    ASSERT_TRUE(arms && iso);
    EXPECT_TRUE(arms->AutoSize());
    EXPECT_EQ(std::make_pair(arms->Width, arms->Height), std::make_pair(60.0, 62.0));
    EXPECT_EQ(std::make_pair(iso->Width, iso->Height), std::make_pair(90.0, 62.0));
    const auto* dotted = find<TrpLineView>("Line3");
    EXPECT_EQ(dotted->Frame.Style, fsDot);
}
