// SPDX-License-Identifier: GPL-3.0-or-later
#include "../PreparedReportFixture.h"

#include "report/common/RpResources.h"
#include "report/engine/RpEngine.h"
#include "report/objects/RpBands.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

using Names = std::vector<std::string>;

// The certificate's shape: visible text objects and a line, an invisible text object between them.
struct CertificateLike : PreparedReport {
    TrpMemoView* title = memo(10, 0, {"MUNK\xC1LTAT\xD3I IGAZOL\xC1S"});
    TrpMemoView* name = memo(10, 40, {"<b>[m1]</b>"});
    TrpMemoView* stamp = memo(10, 80, {"P.H."});
    TrpLineView* rule = line(0, 120, 634.96, 0);
    TrpMemoView* date = memo(10, 140, {"Kelt: [datum]"});

    CertificateLike() {
        stamp->Visible = false;
        answers = {{"m1", "Kft."}, {"datum", "2024.05.06."}};
    }
};

} // namespace

TEST(Preparation, APageOfObjectsBecomesOnePageWithANullBandOfItsVisibleObjects) {
    CertificateLike r;
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    EXPECT_TRUE(r.boxes.empty());
    ASSERT_EQ(r.pages().PageCount(), 1);
    const TrpXMLItem& page = r.pageNode(0);
    EXPECT_EQ(page.Name, "page0");
    EXPECT_EQ(page.Text, "");
    ASSERT_EQ(PreparedReport::childNames(page), Names{"TrpNullBand"});
    // Aliases number the page's objects in order, the invisible one included; it has no node.
    const TrpXMLItem& band = page.Item(0);
    EXPECT_EQ(PreparedReport::childNames(band), (Names{"m1", "m2", "l1", "m4"}));
    EXPECT_EQ(r.pages().Dictionary().KeyOf("m3"), "Page0.Memo3");
    // A text object always carries its text, also when it equals the design text.
    EXPECT_EQ(band.Item(0).Text, "x=\"MUNK\xC1LTAT\xD3I IGAZOL\xC1S\"");
    EXPECT_EQ(band.Item(1).Attribute("x"), "<b>Kft.</b>");
    EXPECT_EQ(band.Item(2).Text, "");
    EXPECT_EQ(band.Item(3).Attribute("x"), "Kelt: 2024.05.06.");
}

TEST(Preparation, EachObjectIsOutputAtItsDesignPositionEvenBelowThePrintableHeight) {
    CertificateLike r;
    r.date->Top = 2000; // far below the printable height of 990 units
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    ASSERT_EQ(r.pages().PageCount(), 1);
    TrpPage* page = r.pages().RebuildPage(0);
    ASSERT_NE(page, nullptr);
    auto* date = dynamic_cast<TrpMemoView*>(page->FindByName("Memo4"));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->Top, 2000);
    EXPECT_EQ(date->Left, 10);
    EXPECT_EQ(date->Memo, Names{"Kelt: 2024.05.06."});
    EXPECT_EQ(page->FindByName("Memo3"), nullptr); // the invisible one
}

TEST(Preparation, DiscardPreviousDecidesWhetherPagesAccumulate) {
    CertificateLike r;
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    EXPECT_EQ(r.pages().PageCount(), 1);
    ASSERT_TRUE(r.report.BuildPreparedPages(false));
    EXPECT_EQ(r.pages().PageCount(), 2);
    // The second run filed the design page again: its nodes name the second source page.
    EXPECT_EQ(r.pageNode(1).Name, "page1");
    EXPECT_EQ(r.pageNode(1).Item(0).Item(0).Name, "m5");
    EXPECT_EQ(r.pages().Dictionary().KeyOf("m5"), "Page1.Memo1");
    TrpPage* second = r.pages().RebuildPage(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(dynamic_cast<TrpMemoView*>(second->FindByName("Memo2"))->Memo, Names{"<b>Kft.</b>"});
}

TEST(Preparation, ADeclinedNameFailsTheRunWithTheLineTwiceInOneBoxAndAnEmptyPage) {
    CertificateLike r;
    r.answers.erase("m1");
    EXPECT_FALSE(r.report.BuildPreparedPages(true));
    ASSERT_EQ(r.report.ErrorList.size(), 2u);
    EXPECT_EQ(r.report.ErrorList[0], r.report.ErrorList[1]);
    EXPECT_EQ(r.report.ErrorList[0].rfind("Memo2: Hiba a kifejez\xE9sben 'm1': ", 0), 0u)
        << r.report.ErrorList[0];
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].caption, "Hiba");
    EXPECT_EQ(r.boxes[0].text, "A k\xF6vetkez\xF5 hiba t\xF6rt\xE9nt:\n" + r.report.ErrorList[0] +
                                   "\n" + r.report.ErrorList[1] + "\n");
    ASSERT_EQ(r.pages().PageCount(), 1);
    EXPECT_EQ(r.pageNode(0).Count(), 0u);
}

TEST(Preparation, SilentModeShowsNoBoxButKeepsResultAndLines) {
    CertificateLike r;
    r.answers.erase("m1");
    r.report.EngineOptions.SilentMode = true;
    EXPECT_FALSE(r.report.BuildPreparedPages(true));
    EXPECT_EQ(r.report.ErrorList.size(), 2u);
    EXPECT_TRUE(r.boxes.empty());
}

TEST(Preparation, TheDefinitionIsRestoredAfterTheRun) {
    CertificateLike r;
    r.name->SetText("[m1] [azon]\r\n"); // as the host sets the barcode's text before printing
    r.answers["azon"] = "K-1234";
    r.report.Variables.Set("kept", 5);
    const std::string before = r.report.SaveToText();
    // The handler changes objects and the script stores a variable during the run.
    r.report.OnGetValue = [&r](const std::string& name, TrpVariant& value) {
        if (TrpComponent* title = r.report.FindByName("Memo1"))
            title->Left = 300;
        r.report.Set("added", 1);
        value = r.answers[name];
    };
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    EXPECT_EQ(r.report.SaveToText(), before);
    EXPECT_EQ(r.report.Variables.Find("added"), nullptr);
    auto* name = dynamic_cast<TrpMemoView*>(r.report.FindByName("Memo2"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->Text(), "[m1] [azon]\r\n");
    EXPECT_EQ(r.pageNode(0).Item(0).Item(1).Attribute("x"), "Kft. K-1234");
}

TEST(Preparation, AnInvisiblePageGivesNoPage) {
    CertificateLike r;
    auto* second = rpCreate<TrpReportPage>(&r.report);
    r.memo(0, 0, {"second"}, second);
    r.page->Visible = false;
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    ASSERT_EQ(r.pages().PageCount(), 1);
    EXPECT_EQ(r.pageNode(0).Name, "page1");
}

TEST(Preparation, TotalPagesIsCountedByADoublePassOnly) {
    for (const bool doublePass : {false, true}) {
        PreparedReport r;
        r.memo(0, 0, {"[Page] / [TotalPages]"});
        auto* second = rpCreate<TrpReportPage>(&r.report);
        r.memo(0, 0, {"[Page#] / [TotalPages] [TotalPages#]"}, second);
        r.report.EngineOptions.DoublePass = doublePass;
        ASSERT_TRUE(r.report.BuildPreparedPages(true)) << r.report.ErrorList.front();
        ASSERT_EQ(r.pages().PageCount(), 2) << "double pass " << doublePass;
        const std::string total = doublePass ? "2" : "0";
        EXPECT_EQ(r.pageNode(0).Item(0).Item(0).Attribute("x"), "1 / " + total);
        // "[TotalPages#]" is left for the drawing to fill in.
        EXPECT_EQ(r.pageNode(1).Item(0).Item(0).Attribute("x"), "2 / " + total + " [TotalPages#]");
    }
}

TEST(Preparation, AFirstPassOfADoublePassStoresOnlyTheCommonDifferences) {
    PreparedReport r;
    r.memo(0, 0, {"[Page#]"});
    r.report.EngineOptions.DoublePass = true;
    // What each pass stored, seen right after the null band was added to the page.
    std::vector<std::pair<bool, std::string>> stored;
    r.report.OnAfterPrint = [&r, &stored](TrpReportComponent* sender) {
        if (dynamic_cast<TrpNullBand*>(sender))
            stored.emplace_back(r.report.Engine().FinalPass(), r.pageNode(0).Item(0).Item(0).Text);
    };
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    EXPECT_EQ(stored, (std::vector<std::pair<bool, std::string>>{{false, ""}, {true, "x=\"1\""}}));
    ASSERT_EQ(r.pages().PageCount(), 1); // the first pass's page was dropped
    EXPECT_EQ(r.pageNode(0).Item(0).Item(0).Text, "x=\"1\"");
}

TEST(Preparation, DataSetsThatDoNotExistStopThePreparationBeforeItStarts) {
    CertificateLike r;
    r.report.DataSets = {"Employees"};
    EXPECT_FALSE(r.report.BuildPreparedPages(true));
    EXPECT_EQ(r.report.ErrorList, Names{"A(z) \"Employees\" DataSet nem l\xE9tezik"});
    EXPECT_EQ(r.pages().PageCount(), 0);
    EXPECT_EQ(r.boxes.size(), 1u);
}

TEST(Preparation, AScriptThatDoesNotCompileProducesNoPages) {
    CertificateLike r;
    r.report.ScriptText = {"begin", "  Unknown := 1", "end."};
    EXPECT_FALSE(r.report.BuildPreparedPages(true));
    ASSERT_EQ(r.report.ErrorList.size(), 1u);
    EXPECT_EQ(r.report.ErrorList[0].rfind("Script hiba 2:", 0), 0u) << r.report.ErrorList[0];
    EXPECT_TRUE(r.report.ErrorList[0].ends_with("-n\xE9l")) << r.report.ErrorList[0];
    EXPECT_EQ(r.pages().PageCount(), 0);
}

TEST(Preparation, TheScriptRunsAndSeesTheObjectsAndEventsOfTheRun) {
    CertificateLike r;
    // A string stored with Set is an expression, hence the quotes within quotes.
    r.report.ScriptText = {"procedure Started(Sender: Variant);",
                           "begin Set('started', 7) end;",
                           "procedure After(Sender: Variant);",
                           "begin Memo1 := 'after ' + Sender end;",
                           "begin",
                           "  Set('greeting', '''Szia''')",
                           "end."};
    r.report.OnStartReport = "Started";
    r.title->OnAfterData = "After";
    r.memo(10, 200, {"[greeting] [started]"});
    ASSERT_TRUE(r.report.BuildPreparedPages(true)) << r.report.ErrorList.front();
    const TrpXMLItem& band = r.pageNode(0).Item(0);
    EXPECT_EQ(band.Item(0).Attribute("x"), "after Memo1");
    EXPECT_EQ(band.Item(4).Attribute("x"), "Szia 7");
    // Neither the variables nor the text survive the run.
    EXPECT_EQ(r.report.Variables.Count(), 0u);
    EXPECT_EQ(dynamic_cast<TrpMemoView*>(r.report.FindByName("Memo1"))->Memo,
              Names{"MUNK\xC1LTAT\xD3I IGAZOL\xC1S"});
}

TEST(Preparation, BandsThatCannotBeLinkedAreListedOneLinePerBand) {
    PreparedReport r;
    const auto band = [&r]<class B>(B*, double top) {
        auto* b = rpCreate<B>(r.page);
        b->Top = top;
        b->Height = 20;
        return b;
    };
    band(static_cast<TrpDetailData*>(nullptr), 40);  // no master above it
    band(static_cast<TrpGroupHeader*>(nullptr), 80); // no data band below it
    band(static_cast<TrpGroupFooter*>(nullptr), 120);
    band(static_cast<TrpGroupFooter*>(nullptr), 160); // no header left for this one
    band(static_cast<TrpMasterData*>(nullptr), 200);
    band(static_cast<TrpFooter*>(nullptr), 220); // directly below the master: linked
    band(static_cast<TrpHeader*>(nullptr), 300); // nothing below it: unconnected
    EXPECT_FALSE(r.report.BuildPreparedPages(true));
    EXPECT_EQ(r.report.ErrorList, (Names{"Hib\xE1s s\xE1vpozici\xF3: DetailData1",
                                         "A csoportnak nincs adats\xE1vja GroupHeader1",
                                         "Nincs fejl\xE9"
                                         "c  GroupFooter2",
                                         "F\xFCggetlen fej-, l\xE1"
                                         "bl\xE9"
                                         "c Header1"}));
    EXPECT_EQ(r.pages().PageCount(), 0);
}

namespace {

// A page with every band kind this engine outputs, each holding one text object that names it.
struct BandedReport : PreparedReport {
    std::vector<std::string> order;

    template <class Band>
    Band* band(const std::string& label, double height) {
        auto* b = rpCreate<Band>(page);
        b->Height = height;
        memo(0, 0, {label}, b)->Height = height;
        return b;
    }

    BandedReport() {
        // Created in an order unlike the output order.
        band<TrpPageFooter>("footer", 30);
        band<TrpReportSummary>("summary", 20);
        band<TrpColumnHeader>("column header", 20);
        band<TrpPageHeader>("page header", 25);
        band<TrpReportTitle>("title", 40);
        band<TrpOverlay>("overlay", 1000);
        memo(300, 500, {"on the page"});
    }

    // The first object text of each band node of a page, in output order, with the band's top.
    std::vector<std::pair<std::string, int>> bandsOf(int pageIndex) {
        std::vector<std::pair<std::string, int>> bands;
        TrpPage* rebuilt = pages().RebuildPage(pageIndex);
        for (TrpComponent* b : rebuilt->Objects()) {
            const auto* text = dynamic_cast<TrpMemoView*>(b->Objects().at(0));
            bands.emplace_back(text->Memo.at(0), static_cast<int>(b->Top));
        }
        return bands;
    }
};

} // namespace

TEST(Preparation, BandsAreOutputInTheFixedOrderAndTheNullBandStaysAtTheTop) {
    BandedReport r;
    ASSERT_TRUE(r.report.BuildPreparedPages(true)) << r.report.ErrorList.front();
    ASSERT_EQ(r.pages().PageCount(), 1);
    const double footerTop = (297 * fr01cm - 10 * fr01cm - 25 * fr01cm) - 30;
    const std::vector<std::pair<std::string, int>> expected{
        {"overlay", 0},
        {"title", 0},
        {"page header", 40},
        {"column header", 65},
        {"on the page", 0},
        {"summary", 85},
        {"footer", static_cast<int>(footerTop)}};
    EXPECT_EQ(r.bandsOf(0), expected);
}

TEST(Preparation, BandsShownByTheHostBreakPagesAndRepeatHeadersAndFooters) {
    BandedReport r;
    auto* data = r.band<TrpMasterData>("row [Line#]", 100);
    auto* header = dynamic_cast<TrpPageHeader*>(r.page->FindByName("PageHeader1"));
    header->PrintOnFirstPage = false;
    r.report.OnManualBuild = [&r, data](TrpComponent*) {
        for (int i = 0; i < 12; ++i)
            r.report.Engine().ShowBand(data);
    };
    ASSERT_TRUE(r.report.BuildPreparedPages(true)) << r.report.ErrorList.front();
    // Printable height 990.2; the first page holds title 40 + column header 20 + 9 rows and the
    // footer of 30 (no page header on the first page); the second page header 25 + column header
    // 20 + 3 rows, summary and footer.
    ASSERT_EQ(r.pages().PageCount(), 2);
    const auto first = r.bandsOf(0), second = r.bandsOf(1);
    ASSERT_EQ(first.size(), 1u + 1 + 1 + 1 + 9 + 1);
    EXPECT_EQ(first[4].first, "row 1");
    EXPECT_EQ(first[4].second, 60);
    EXPECT_EQ(first[12].first, "row 9");
    EXPECT_EQ(first[13].first, "footer");
    const std::vector<std::pair<std::string, int>> expectedSecond{
        {"overlay", 0},  {"page header", 0}, {"column header", 25}, {"row 10", 45},
        {"row 11", 145}, {"row 12", 245},    {"summary", 345},      {"footer", first[13].second}};
    EXPECT_EQ(second, expectedSecond);
}

TEST(Preparation, StopReportEndsTheRunWithoutAnError) {
    BandedReport r;
    auto* data = r.band<TrpMasterData>("row", 100);
    auto* second = rpCreate<TrpReportPage>(&r.report);
    r.memo(0, 0, {"second page"}, second);
    r.report.OnManualBuild = [&r, data](TrpComponent*) {
        for (int i = 0; i < 30 && !r.pages().StopRequested; ++i) {
            r.report.Engine().ShowBand(data);
            if (i == 2)
                r.report.Engine().StopReport();
        }
    };
    EXPECT_TRUE(r.report.BuildPreparedPages(true));
    EXPECT_EQ(r.pages().PageCount(), 1); // the second design page did not run
}

TEST(Preparation, AStretchingObjectGrowsItsBandAndPushesObjectsBelowIt) {
    // A text object whose content needs more room than it has.
    struct TallMemo : TrpMemoView {
        using TrpMemoView::TrpMemoView;
        double CalcHeight() override { return 70; }
    };
    PreparedReport r;
    auto* band = rpCreate<TrpMasterData>(r.page);
    band->Height = 40;
    band->Stretched = true;
    auto* tall = new TallMemo(band);
    tall->SetName("Tall");
    tall->SetBounds(0, 0, 100, 20);
    tall->StretchMode = smActualHeight;
    r.memo(50, 25, {"below"}, band);
    r.memo(200, 25, {"beside"}, band);
    TrpMemoView* whenOverlapped = r.memo(0, 95, {"not overlapped"}, band);
    whenOverlapped->ShiftMode = smWhenOverlapped;
    TrpMemoView* fill = r.memo(300, 0, {"fill"}, band);
    fill->StretchMode = smMaxHeight;
    r.report.OnManualBuild = [&r, band](TrpComponent*) { r.report.Engine().ShowBand(band); };
    ASSERT_TRUE(r.report.BuildPreparedPages(true)) << r.report.ErrorList.front();
    // The stored band comes after the page's null band.
    const TrpXMLItem& node = r.pageNode(0).Item(1);
    EXPECT_EQ(node.Attribute("h"), "113"); // the lowest object: 95 + 18
    EXPECT_EQ(node.Item(0).Attribute("h"), "70");
    EXPECT_EQ(node.Item(1).Attribute("t"), "75");  // pushed down by 50
    EXPECT_FALSE(node.Item(2).HasAttribute("t"));  // beside, not below
    EXPECT_FALSE(node.Item(3).HasAttribute("t"));  // would not overlap after the growth
    EXPECT_EQ(node.Item(4).Attribute("h"), "113"); // down to the content bottom
    // The design is untouched.
    EXPECT_EQ(dynamic_cast<TrpBand*>(r.report.FindByName("MasterData1"))->Height, 40);
}
