// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpClassRegistry.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"

#include "platform/Error.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

struct ReportWithPage {
    TrpReport report;
    TrpReportPage* page = rpCreate<TrpReportPage>(&report);
};

} // namespace

TEST(ObjectModel, MemoCreatedInCodeHasTheDocumentedDefaults) {
    ReportWithPage r;
    auto* memo = rpCreate<TrpMemoView>(r.page);
    EXPECT_EQ(memo->GapX, 2);
    EXPECT_EQ(memo->GapY, 1);
    EXPECT_EQ(memo->LineSpacing, 2);
    EXPECT_TRUE(memo->WordWrap);
    EXPECT_TRUE(memo->AllowExpressions);
    EXPECT_EQ(memo->HAlign, haLeft);
    EXPECT_EQ(memo->VAlign, vaTop);
    EXPECT_EQ(memo->ExpressionDelimiters, "[,]");
    EXPECT_EQ(memo->Font().Name, "Arial");
    EXPECT_EQ(memo->Font().Size, 10);
    EXPECT_EQ(memo->Font().Color, 0u);
    EXPECT_EQ(memo->Font().Charset, 1);
    EXPECT_TRUE(memo->ParentFont());
    EXPECT_EQ(memo->Color, platform::clNone);
    EXPECT_EQ(memo->Frame.Typ, 0);
    EXPECT_EQ(memo->Frame.Width, 1);
    EXPECT_EQ(memo->Frame.ShadowWidth, 4);
    EXPECT_TRUE(memo->LastValue.isNull());
    EXPECT_EQ(memo->Highlight.Font.Color, 0x0000FFu);
    EXPECT_EQ(memo->Highlight.Color, platform::clNone);
}

TEST(ObjectModel, NewObjectsTakeTheirStemAndTheSmallestFreeNumber) {
    ReportWithPage r;
    EXPECT_EQ(r.page->Name(), "Page1");
    auto* memo1 = rpCreate<TrpMemoView>(r.page);
    EXPECT_EQ(memo1->Name(), "Memo1");
    auto* memo2 = rpCreate<TrpMemoView>(r.page);
    EXPECT_EQ(memo2->Name(), "Memo2");
    EXPECT_EQ(rpCreate<TrpLineView>(r.page)->Name(), "Line1");
    EXPECT_EQ(rpCreate<TrpMasterData>(r.page)->Name(), "MasterData1");
    delete memo1;
    // The gap is filled first; names are compared ignoring case.
    EXPECT_EQ(rpCreate<TrpMemoView>(r.page)->Name(), "Memo1");
    memo2->SetName("MEMO3");
    EXPECT_EQ(rpCreate<TrpMemoView>(r.page)->Name(), "Memo2");
    EXPECT_EQ(rpCreate<TrpMemoView>(r.page)->Name(), "Memo4");
}

TEST(ObjectModel, FindByNameIgnoresCaseAndSearchesTheWholeTree) {
    ReportWithPage r;
    auto* band = rpCreate<TrpMasterData>(r.page);
    auto* memo = rpCreate<TrpMemoView>(band);
    memo->SetName("BarCode1");
    EXPECT_EQ(r.report.FindByName("barcode1"), memo);
    EXPECT_EQ(r.report.FindByName("BARCODE1"), memo);
    EXPECT_EQ(r.report.FindByName("BarCode2"), nullptr);
    EXPECT_EQ(memo->Report(), &r.report);
    EXPECT_EQ(memo->Page(), r.page);
}

TEST(ObjectModel, RenamingToAnotherObjectsNameFailsWithPrDupl) {
    ReportWithPage r;
    auto* memo1 = rpCreate<TrpMemoView>(r.page);
    auto* memo2 = rpCreate<TrpMemoView>(r.page);
    try {
        memo2->SetName("memo1");
        FAIL() << "renamed to a taken name";
    } catch (const platform::Error& e) {
        EXPECT_STREQ(e.what(), "prDupl");
    }
    EXPECT_EQ(memo2->Name(), "Memo2");
    memo1->SetName("MEMO1"); // its own name in other letters
    EXPECT_EQ(memo1->Name(), "MEMO1");
}

TEST(ObjectModel, AllObjectsIsDepthFirstPreOrder) {
    ReportWithPage r;
    auto* band = rpCreate<TrpMasterData>(r.page);
    auto* inBand = rpCreate<TrpMemoView>(band);
    auto* onPage = rpCreate<TrpLineView>(r.page);
    const std::vector<TrpComponent*> expected{r.page, band, inBand, onPage};
    EXPECT_EQ(r.report.AllObjects(), expected);
    const std::vector<TrpComponent*> pageObjects{band, inBand, onPage};
    EXPECT_EQ(r.page->AllObjects(), pageObjects);
}

TEST(ObjectModel, DestroyingAnObjectDetachesItAndItsChildren) {
    ReportWithPage r;
    auto* band = rpCreate<TrpMasterData>(r.page);
    rpCreate<TrpMemoView>(band);
    auto* line = rpCreate<TrpLineView>(r.page);
    delete band;
    EXPECT_EQ(r.page->Objects(), std::vector<TrpComponent*>{line});
    EXPECT_EQ(r.report.AllObjects().size(), 2u);
    r.page->Clear();
    EXPECT_TRUE(r.page->Objects().empty());
}

TEST(ObjectModel, SetParentMovesToTheEndAndReappliesTheParentFont) {
    ReportWithPage r;
    auto* a = rpCreate<TrpMasterData>(r.page);
    auto* b = rpCreate<TrpMasterData>(r.page);
    auto* memo = rpCreate<TrpMemoView>(a);
    rpCreate<TrpMemoView>(b);
    TrpFont big("Tahoma", 14);
    b->SetFont(big);
    memo->SetParent(b);
    EXPECT_TRUE(a->Objects().empty());
    EXPECT_EQ(b->Objects().back(), memo);
    EXPECT_EQ(memo->Font().Name, "Tahoma");
    EXPECT_TRUE(memo->ParentFont());
}

TEST(ObjectModel, FontChangesReachChildrenThatFollowTheirParent) {
    ReportWithPage r;
    auto* band = rpCreate<TrpMasterData>(r.page);
    auto* follows = rpCreate<TrpMemoView>(band);
    auto* own = rpCreate<TrpMemoView>(band);
    own->SetFont(TrpFont("Tahoma", 8));
    EXPECT_FALSE(own->ParentFont());
    band->SetFont(TrpFont("Times New Roman", 12));
    EXPECT_FALSE(band->ParentFont());
    EXPECT_EQ(follows->Font().Name, "Times New Roman");
    EXPECT_TRUE(follows->ParentFont());
    EXPECT_EQ(own->Font().Name, "Tahoma");
}

TEST(ObjectModel, AbsolutePositionSumsTheAncestors) {
    ReportWithPage r;
    auto* band = rpCreate<TrpMasterData>(r.page);
    band->SetBounds(5, 100, 600, 50);
    auto* memo = rpCreate<TrpMemoView>(band);
    memo->SetBounds(10.5, 3, 20, 10);
    EXPECT_DOUBLE_EQ(memo->AbsLeft(), 15.5);
    EXPECT_DOUBLE_EQ(memo->AbsTop(), 103);
}

TEST(ObjectModel, OutputStateIsSavedAndRestored) {
    ReportWithPage r;
    auto* memo = rpCreate<TrpMemoView>(r.page);
    memo->SetBounds(1, 2, 3, 4);
    memo->Memo = {"[a]"};
    memo->TagStr = "t";
    memo->SaveOutputState();
    memo->SetBounds(9, 9, 9, 9);
    memo->Memo = {"x"};
    memo->TagStr = "u";
    memo->RestoreOutputState();
    EXPECT_EQ(memo->Left, 1);
    EXPECT_EQ(memo->Height, 4);
    EXPECT_EQ(memo->Memo, std::vector<std::string>{"[a]"});
    EXPECT_EQ(memo->TagStr, "t");
}

TEST(ObjectModel, RotationIsKeptModulo360) {
    TrpMemoView memo;
    memo.SetRotation(450);
    EXPECT_EQ(memo.Rotation(), 90);
    memo.SetRotation(-90);
    EXPECT_EQ(memo.Rotation(), 270);
}

TEST(ObjectModel, NameStemDropsTrpAndView) {
    TrpMemoView memo;
    TrpCustomLineView line;
    TrpReportPage page;
    TrpNullBand band;
    EXPECT_EQ(memo.NameStem(), "Memo");
    EXPECT_EQ(line.NameStem(), "CustomLine");
    EXPECT_EQ(page.NameStem(), "Page");
    EXPECT_EQ(band.NameStem(), "NullBand");
}

TEST(ClassRegistry, KnowsTheEngineClassesAndTakesNewOnes) {
    for (const char* name :
         {"TrpChild",         "TrpColumnFooter", "TrpColumnHeader",  "TrpCustomMemoView",
          "TrpMasterData",    "TrpDetailData",   "TrpSubdetailData", "TrpDataBand4",
          "TrpDataBand5",     "TrpDataBand6",    "TrpDialogPage",    "TrpFooter",
          "TrpFrame",         "TrpGroupFooter",  "TrpGroupHeader",   "TrpHeader",
          "TrpHighlight",     "TrpLineView",     "TrpMemoView",      "TrpOverlay",
          "TrpPageFooter",    "TrpPageHeader",   "TrpReport",        "TrpReportPage",
          "TrpReportSummary", "TrpReportTitle",  "TrpShapeView",     "TrpSubreport",
          "TrpSysMemoView",   "TrpStyleItem",    "TrpNullBand",      "TrpCustomLineView"})
        EXPECT_TRUE(TrpClassRegistry::IsRegistered(name)) << name;
    EXPECT_FALSE(TrpClassRegistry::IsRegistered("TrpNoSuchView"));
    EXPECT_EQ(TrpClassRegistry::Create("TrpNoSuchView", nullptr), nullptr);

    ReportWithPage r;
    auto* memo = TrpClassRegistry::CreateAs<TrpMemoView>("trpmemoview", r.page).release();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Parent(), r.page);
    EXPECT_EQ(std::string(memo->ClassName()), "TrpMemoView");

    struct TrpTestView : TrpView {
        using TrpView::TrpView;
        const char* ClassName() const override { return "TrpTestView"; }
    };
    TrpClassRegistry::Register<TrpTestView>("TrpTestView");
    auto* view = TrpClassRegistry::CreateAs<TrpTestView>("TrpTestView", r.page).release();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Parent(), r.page);
    // A class that creates no object of the asked type gives none, and nothing stays behind.
    const size_t children = r.page->Objects().size();
    EXPECT_EQ(TrpClassRegistry::CreateAs<TrpPage>("TrpMemoView", r.page), nullptr);
    EXPECT_EQ(r.page->Objects().size(), children);
}

TEST(ObjectModel, AssignCopiesPropertiesButNotNameOrChildren) {
    ReportWithPage r;
    auto* source = rpCreate<TrpMemoView>(r.page);
    source->SetBounds(10, 20, 30, 40);
    source->Memo = {"a", "b"};
    source->HAlign = haBlock;
    source->Frame.Typ = bitOf(ftLeft) | bitOf(ftBottom);
    source->SetFont(TrpFont("Tahoma", 11, 0, bitOf(fsBold)));
    auto* target = rpCreate<TrpMemoView>(r.page);
    target->Visible = false; // a default in the source: must still be copied
    target->GapX = 7;
    target->Assign(*source);
    EXPECT_EQ(target->Name(), "Memo2");
    EXPECT_EQ(target->Left, 10);
    EXPECT_EQ(target->Height, 40);
    EXPECT_EQ(target->Memo, source->Memo);
    EXPECT_EQ(target->HAlign, haBlock);
    EXPECT_EQ(target->Frame.Typ, source->Frame.Typ);
    EXPECT_TRUE(target->Visible);
    EXPECT_EQ(target->GapX, 2);
    EXPECT_TRUE(target->Font().sameValues(source->Font()));
    EXPECT_FALSE(target->ParentFont());
    EXPECT_TRUE(r.report.ErrorList.empty());
}

TEST(ObjectModel, AssignWithChildrenCopiesTheWholeSubtree) {
    ReportWithPage r;
    auto* band = rpCreate<TrpMasterData>(r.page);
    auto* memo = rpCreate<TrpMemoView>(band);
    memo->Memo = {"x"};
    TrpReport other;
    auto* copy = new TrpMasterData(&other);
    copy->AssignWithChildren(*band);
    ASSERT_EQ(copy->Objects().size(), 1u);
    auto* copiedMemo = dynamic_cast<TrpMemoView*>(copy->Objects()[0]);
    ASSERT_NE(copiedMemo, nullptr);
    EXPECT_EQ(copiedMemo->Name(), "Memo1");
    EXPECT_EQ(copiedMemo->Memo, memo->Memo);
}
