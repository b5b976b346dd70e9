// SPDX-License-Identifier: GPL-3.0-or-later
#include "../PreparedReportFixture.h"

#include "report/engine/RpEngine.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpComponentXml.h"
#include "report/objects/RpOtherViews.h"
#include "report/xml/RpXmlSerializer.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/RecordingCanvas.h"
#include "support/CanvasRecords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace report;
using platform::CanvasRecord;
using platform::Point;
using platform::RecordingCanvas;

namespace {

// A recording of the part of a device that is on the screen.
class WindowCanvas : public RecordingCanvas {
public:
    explicit WindowCanvas(platform::Rect area) : area_(area) {}
    std::optional<platform::Rect> visibleArea() const override { return area_; }

private:
    platform::Rect area_;
};

// One framed text object on a page with 10 mm margins, answered "Kft. & <Bt>".
struct SmallReport : PreparedReport {
    TrpMemoView* text = memo(10, 20, {"[m1]"});
    TrpLineView* rule = line(0, 50, 200, 0);

    SmallReport() {
        page->LeftMargin = page->RightMargin = page->TopMargin = page->BottomMargin = 10;
        answers["m1"] = "Kft. & <Bt>";
    }
};

// A report whose host shows a page-high band n times: n prepared pages, each with a text object
// naming its row.
struct LongReport : PreparedReport {
    explicit LongReport(int pageCount) {
        auto* band = rpCreate<TrpMasterData>(page);
        band->Height = 900;
        memo(0, 0, {"row [Line#]"}, band)->Frame.Typ = bitOf(ftLeft);
        report.OnManualBuild = [this, band, pageCount](TrpComponent*) {
            for (int i = 0; i < pageCount; ++i)
                report.Engine().ShowBand(band);
        };
    }
};

// The serialised form of a rebuilt page, for comparing pages.
std::string pageText(TrpPreviewPages& pages, int index) {
    TrpPage* page = pages.RebuildPage(index);
    if (!page)
        return {};
    TrpXMLDocument document;
    TrpComponentXML::Write(*page, document.Root, true);
    return document.ToText();
}

} // namespace

TEST(PreviewPages, AliasesProbeDownwardsFromTenThousandThenCountUp) {
    TrpDictionary d;
    EXPECT_EQ(d.CreateAlias("m"), "m1");
    for (int i = 1; i <= 20; ++i)
        d.Add("m" + std::to_string(i), "Page0.Memo" + std::to_string(i), nullptr);
    EXPECT_EQ(d.CreateAlias("m"), "m21");
    EXPECT_EQ(d.CreateAlias("l"), "l1");
    TrpDictionary gaps;
    gaps.Add("m1", "Page0.Memo1", nullptr);
    gaps.Add("m9", "Page0.Memo9", nullptr);
    EXPECT_EQ(gaps.CreateAlias("m"), "m10"); // 9 is found first on the way down
    gaps.Add("M10", "Page0.Memo10", nullptr);
    EXPECT_TRUE(gaps.Contains("m10"));
    EXPECT_EQ(gaps.KeyOf("m10"), "Page0.Memo10");
    EXPECT_EQ(gaps.Aliases(), (std::vector<std::string>{"m1", "M10", "m9"}));
}

TEST(PreviewPages, PageExtentComesFromTheSourcePage) {
    SmallReport r;
    auto* landscape = rpCreate<TrpReportPage>(&r.report);
    landscape->SetOrientation(poLandscape);
    r.memo(0, 0, {"x"}, landscape);
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    EXPECT_EQ(r.pages().PageExtent(0), QSize(794, 1123));
    EXPECT_EQ(r.pages().PageExtent(1), QSize(1123, 794));
    EXPECT_EQ(r.pages().PageExtent(2), QSize());
    EXPECT_EQ(r.pages().CachedPageCount(), 0u); // no page was rebuilt for it
}

TEST(PreviewPages, DrawingAtScaleTwoDoublesEveryCoordinateAndTheMarginOffset) {
    PreparedReport r; // margins 22 / 10 mm: 83.149 / 37.795 units
    TrpMemoView* m = r.memo(10, 20, {"framed"});
    m->Frame.Typ = bitOf(ftLeft) | bitOf(ftRight) | bitOf(ftTop) | bitOf(ftBottom);
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    RecordingCanvas one, two;
    r.pages().PaintPage(0, one, 1, 1, 0, 0);
    r.pages().PaintPage(0, two, 2, 2, 0, 0);
    EXPECT_EQ(linesOf(one), (std::vector<Segment>{{{93, 58}, {93, 76}},
                                                  {{293, 58}, {293, 76}},
                                                  {{93, 58}, {293, 58}},
                                                  {{93, 76}, {294, 76}}}));
    EXPECT_EQ(linesOf(two), (std::vector<Segment>{{{186, 116}, {186, 152}},
                                                  {{586, 116}, {586, 152}},
                                                  {{186, 116}, {586, 116}},
                                                  {{186, 152}, {586, 152}}}));
    // The paper's corner at a device position moves everything by it.
    RecordingCanvas moved;
    r.pages().PaintPage(0, moved, 1, 1, 100.4, 7);
    EXPECT_EQ(linesOf(moved).front(), (Segment{{194, 65}, {194, 83}}));
}

TEST(PreviewPages, AViewThatIsNotPrintableIsLeftOutOnAPrinterOnly) {
    PreparedReport r;
    TrpLineView* rule = r.line(0, 50, 200, 0);
    rule->Printable = false;
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    RecordingCanvas screen(96, 96, false), printer(600, 600, true);
    r.pages().PaintPage(0, screen, 1, 1, 0, 0);
    r.pages().PaintPage(0, printer, 600.0 / 96, 600.0 / 96, 0, 0);
    EXPECT_EQ(linesOf(screen).size(), 1u);
    EXPECT_TRUE(linesOf(printer).empty());
    // The flag that tells a view it is printing is set only while it draws.
    for (TrpComponent* object : r.pages().RebuildPage(0)->AllObjects()) {
        if (auto* view = dynamic_cast<TrpView*>(object)) {
            EXPECT_FALSE(view->IsPrinting);
        }
    }
}

TEST(PreviewPages, OnlyViewsNearTheVisibleAreaAreDrawn) {
    PreparedReport r;
    r.page->LeftMargin = r.page->TopMargin = 0;
    r.line(0, 100, 50, 0);
    r.line(0, 300, 50, 0);
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    // Within 20 pixels below the window's bottom edge still counts.
    WindowCanvas window({0, 0, 400, 281});
    r.pages().PaintPage(0, window, 1, 1, 0, 0);
    EXPECT_EQ(linesOf(window).size(), 2u);
    WindowCanvas shorter({0, 0, 400, 279});
    r.pages().PaintPage(0, shorter, 1, 1, 0, 0);
    EXPECT_EQ(linesOf(shorter), (std::vector<Segment>{{{0, 100}, {50, 100}}}));
}

TEST(PreviewPages, BackgroundMirrorMarginsAndPageCountForTheTextObjects) {
    PreparedReport r;
    r.page->LeftMargin = 30;
    r.page->RightMargin = 10;
    r.page->MirrorMargins = true;
    r.page->Color = platform::rgb(200, 220, 240);
    r.line(0, 0, 50, 0);
    r.memo(0, 30, {"[TotalPages#]"});
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    ASSERT_TRUE(r.report.BuildPreparedPages(false));
    RecordingCanvas first, second;
    r.pages().PaintPage(0, first, 1, 1, 0, 0);
    r.pages().PaintPage(1, second, 1, 1, 0, 0);
    // The background fills the printable area less one unit.
    ASSERT_FALSE(first.records().empty());
    const CanvasRecord& fill = first.records().front();
    EXPECT_EQ(fill.kind, CanvasRecord::Kind::FillRect);
    EXPECT_EQ(fill.brush.color, platform::rgb(200, 220, 240));
    // (210 - 40) x (297 - 35) mm less one unit, from (30, 10) mm.
    EXPECT_EQ(fill.rect, (platform::Rect{113, 38, 755, 1027}));
    // The second page exchanges left and right margins.
    EXPECT_EQ(linesOf(first).front().first, (Point{113, 38}));
    EXPECT_EQ(linesOf(second).front().first, (Point{38, 38}));
    EXPECT_EQ(second.records().front().rect.left, 38);
    const TrpPage* page = r.pages().RebuildPage(1);
    EXPECT_EQ(dynamic_cast<const TrpReportPage*>(page)->LeftMargin, 30); // restored
    auto* total = dynamic_cast<TrpMemoView*>(page->FindByName("Memo1"));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->PreparedPageCount, 2);
}

TEST(PreviewPages, HitTestReportsTheTopmostViewAndFollowsItsLinkOnAClick) {
    SmallReport r;
    TrpMemoView* over = r.memo(10, 20, {"over"});
    over->Cursor = 5;
    over->URL = "@2";
    TrpMemoView* link = r.memo(10, 100, {"link"});
    link->URL = "https://example.org/[m1]";
    r.answers["m1"] = "a";
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    ASSERT_TRUE(r.report.BuildPreparedPages(false));
    std::vector<int> pagesAskedFor;
    std::vector<std::string> opened, clicked, hovered;
    r.pages().OnGoToPage = [&](int index) { pagesAskedFor.push_back(index); };
    r.pages().OnOpenURL = [&](const std::string& url) { opened.push_back(url); };
    r.report.OnClickObject = [&](TrpView* sender, int, int, bool&) {
        clicked.push_back(sender->Name());
    };
    r.report.OnMouseOverObject = [&](TrpView* sender) { hovered.push_back(sender->Name()); };
    // Memo1 (no cursor) lies under Memo2 at (10, 20); the margin is 10 mm = 37.795 units.
    EXPECT_EQ(r.pages().HitTest(0, {50, 60}, 1, 0, 1, 1, 0, 0, false), 5);
    EXPECT_EQ(r.pages().HitTest(0, {20, 20}, 1, 0, 1, 1, 0, 0, true), 0); // in the margin
    EXPECT_TRUE(pagesAskedFor.empty());
    EXPECT_EQ(r.pages().HitTest(0, {50, 60}, 1, 0, 1, 1, 0, 0, true), 5);
    EXPECT_EQ(pagesAskedFor, std::vector<int>{1});
    EXPECT_EQ(r.pages().HitTest(0, {100, 280}, 1, 0, 2, 2, 0, 0, true), 0);
    EXPECT_EQ(opened, std::vector<std::string>{"https://example.org/a"});
    EXPECT_EQ(clicked, (std::vector<std::string>{"Memo2", "Memo3"}));
    EXPECT_EQ(hovered, (std::vector<std::string>{"Memo2", "Memo2", "Memo3"}));
}

TEST(PreviewPages, ThePreparedFileHoldsPagesSourcePagesAndDictionaryByteForByte) {
    SmallReport r;
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    QTemporaryDir dir;
    r.pages().WritePreparedFile(dir.filePath("small.prp"));
    EXPECT_EQ(platform::readWholeFile(dir.filePath("small.prp")),
              R"(<?xml version="1.0" encoding="utf-8"?><preparedreport><previewpages><page0>)"
              R"(<TrpNullBand><m1 x="Kft. &#38; &#60;Bt&#62;"/><l1/></TrpNullBand></page0>)"
              R"(</previewpages><sourcepages><TrpReportPage Name="Page1" PaperWidth="210" )"
              R"(PaperHeight="297" PaperSize="9" LeftMargin="10" RightMargin="10" )"
              R"(TopMargin="10" BottomMargin="10"><TrpMemoView Name="Memo1" Left="10" )"
              R"(Top="20" Width="200" Height="18" Memo="[m1]&#13;&#10;"/><TrpLineView )"
              R"(Name="Line1" Top="50" Width="200" Frame.Typ="4"/></TrpReportPage>)"
              R"(</sourcepages><dictionary><l1 name="Page0.Line1"/><m1 name="Page0.Memo1"/>)"
              R"(</dictionary></preparedreport>)");
    // Writing leaves the tree as it was.
    EXPECT_EQ(PreparedReport::childNames(r.pages().Document.Root),
              std::vector<std::string>{"previewpages"});
}

TEST(PreviewPages, AWrittenFileLoadsBackToTheSamePages) {
    SmallReport r;
    r.text->Memo = {"[m1]", "second line \xF5\xFB"};
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    ASSERT_TRUE(r.report.BuildPreparedPages(false));
    ASSERT_TRUE(r.report.BuildPreparedPages(false));
    QTemporaryDir dir;
    const QString file = dir.filePath("three.prp");
    r.pages().WritePreparedFile(file);
    const std::string bytes = platform::readWholeFile(file);
    // Page nodes from the third page on are marked for the temporary file.
    EXPECT_NE(bytes.find("<page0><TrpNullBand>"), std::string::npos);
    EXPECT_NE(bytes.find("<page1><TrpNullBand>"), std::string::npos);
    EXPECT_NE(bytes.find("<page2 ld=\"0\"><TrpNullBand>"), std::string::npos);
    EXPECT_NE(bytes.find("second line \xF5\xFB"), std::string::npos); // cp1250 bytes as they are

    PreparedReport other;
    other.pages().LoadPreparedFile(file);
    EXPECT_TRUE(other.pages().ReadErrors.empty());
    ASSERT_EQ(other.pages().PageCount(), 3);
    EXPECT_TRUE(other.pages().Document.Root.Find("previewpages")->Item(2).Unloadable);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(pageText(other.pages(), i), pageText(r.pages(), i)) << "page " << i;
    EXPECT_EQ(other.pages().PageExtent(2), QSize(794, 1123));
    const QString again = dir.filePath("again.prp");
    other.pages().WritePreparedFile(again);
    EXPECT_EQ(platform::readWholeFile(again), bytes);
}

TEST(PreviewPages, DamagedFilesLeaveAnEmptyStoreOrReportWhatTheyCannotBuild) {
    QTemporaryDir dir;
    const QString file = dir.filePath("bad.prp");
    platform::writeFileAtomically(file, "<preparedreport><previewpages><page0>");
    PreparedReport r;
    EXPECT_THROW(r.pages().LoadPreparedFile(file), platform::Error);
    EXPECT_EQ(r.pages().PageCount(), 0);
    platform::writeFileAtomically(
        file, "<preparedreport><previewpages><page0><TrpNullBand><m1 x=\"a\"/><TrpNoSuchView/>"
              "</TrpNullBand></page0><page7/><TrpReportPage><TrpLineView Width=\"5\"/>"
              "</TrpReportPage></previewpages><dictionary><m1 name=\"Page3.Memo1\"/>"
              "</dictionary></preparedreport>");
    r.pages().LoadPreparedFile(file);
    ASSERT_EQ(r.pages().PageCount(), 3);
    EXPECT_EQ(r.pages().RebuildPage(0), nullptr); // source page 0 is not in the file
    EXPECT_EQ(r.pages().RebuildPage(1), nullptr);
    TrpPage* stored = r.pages().RebuildPage(2); // a whole page stored in the tree
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->Objects().at(0)->Width, 5);
    EXPECT_EQ(r.pages().ReadErrors,
              (std::vector<std::string>{"Nem tal\xE1lom az oszt\xE1lyt page0",
                                        "Nem tal\xE1lom az oszt\xE1lyt page7"}));
}

TEST(PreviewPages, AnAliasMissingFromTheDictionaryIsTakenAsAClassName) {
    SmallReport r;
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    TrpXMLItem& band = r.pageNode(0).Item(0);
    band.Add("m99").Text = "x=\"lost\"";
    band.Add("TrpLineView").Text = "Left=\"3\"";
    TrpPage* page = r.pages().RebuildPage(0);
    ASSERT_NE(page, nullptr);
    const std::vector<TrpComponent*> objects = page->Objects().at(0)->Objects();
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[2]->Left, 3);
    EXPECT_EQ(r.pages().ReadErrors, std::vector<std::string>{"Nem tal\xE1lom az oszt\xE1lyt m99"});
}

TEST(PreviewPages, AtMostFiftyRebuiltPagesAreKept) {
    LongReport r(60);
    ASSERT_TRUE(r.report.BuildPreparedPages(true)) << r.report.ErrorList.front();
    ASSERT_EQ(r.pages().PageCount(), 60);
    r.pages().RebuildPage(0)->Tag = 7;
    r.pages().RebuildPage(1)->Tag = 8;
    for (int i = 2; i <= 50; ++i)
        r.pages().RebuildPage(i); // 49 further pages: 51 in all
    EXPECT_EQ(r.pages().CachedPageCount(), 50u);
    EXPECT_EQ(r.pages().RebuildPage(1)->Tag, 8); // still kept
    EXPECT_EQ(r.pages().RebuildPage(0)->Tag, 0); // dropped, so rebuilt
    EXPECT_EQ(r.pages().CachedPageCount(), 50u);
    auto* row = dynamic_cast<TrpMemoView*>(r.pages().RebuildPage(59)->FindByName("Memo1"));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Memo, std::vector<std::string>{"row 60"});
    r.pages().EndFilling();
    EXPECT_EQ(r.pages().CachedPageCount(), 0u);
}

TEST(PreviewPages, TheFileCacheMovesOlderPagesOutAndBringsThemBack) {
    QTemporaryDir folder;
    LongReport plain(6), cached(6);
    cached.report.EngineOptions.UseFileCache = true;
    cached.report.EngineOptions.MaxMemSize = 0; // every page added moves the older ones out
    cached.report.EngineOptions.TempDir = folder.path().toStdString();
    ASSERT_TRUE(plain.report.BuildPreparedPages(true));
    ASSERT_TRUE(cached.report.BuildPreparedPages(true));
    const QString temporary = cached.pages().TemporaryFileName();
    EXPECT_TRUE(QFileInfo(temporary).fileName().startsWith("fr"));
    EXPECT_EQ(QFileInfo(temporary).absolutePath(), QDir(folder.path()).absolutePath());
    EXPECT_TRUE(QFile::exists(temporary));
    // The first two pages stay; the others up to the newest went to the file.
    std::vector<bool> loaded;
    for (int i = 0; i < 6; ++i)
        loaded.push_back(cached.pageNode(i).Loaded);
    EXPECT_EQ(loaded, (std::vector<bool>{true, true, false, false, false, true}));
    EXPECT_EQ(cached.pageNode(3).Count(), 0u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(pageText(cached.pages(), i), pageText(plain.pages(), i)) << "page " << i;
    QTemporaryDir out;
    plain.pages().WritePreparedFile(out.filePath("plain.prp"));
    cached.pages().WritePreparedFile(out.filePath("cached.prp"));
    EXPECT_EQ(platform::readWholeFile(out.filePath("cached.prp")),
              platform::readWholeFile(out.filePath("plain.prp")));
    cached.pages().Clear();
    EXPECT_FALSE(QFile::exists(temporary));
}

TEST(PreviewPages, ADoublePassKeepsThePagesOfAnEarlierRun) {
    SmallReport r;
    ASSERT_TRUE(r.report.BuildPreparedPages(true));
    r.report.EngineOptions.DoublePass = true;
    r.answers["m1"] = "second";
    ASSERT_TRUE(r.report.BuildPreparedPages(false));
    ASSERT_EQ(r.pages().PageCount(), 2);
    EXPECT_EQ(r.pageNode(0).Item(0).Item(0).Attribute("x"), "Kft. & <Bt>");
    EXPECT_EQ(r.pageNode(1).Count(), 1u);
    EXPECT_EQ(r.pageNode(1).Item(0).Item(0).Attribute("x"), "second");
}

TEST(PreviewPages, OtherViewsStoreAllTheirPropertiesBeforeTheCommonDifferences) {
    PreparedReport r;
    auto* source = rpCreate<TrpSubreport>(r.page);
    source->SetBounds(10, 20, 30, 40);
    source->Color = platform::rgb(255, 0, 0);
    auto* output = rpCreate<TrpSubreport>(r.page);
    output->Assign(*source);
    output->Top = 25;
    output->Color = platform::clNone; // back to the default
    const std::string diff = output->DiffText(*source);
    EXPECT_TRUE(diff.ends_with(" t=\"25\"")) << diff;
    EXPECT_EQ(output->DiffText(*source, true), "t=\"25\"");
    TrpSubreport rebuilt;
    std::vector<std::string> errors;
    TrpXMLSerializer::ReadProperties(
        rebuilt, TrpXMLSerializer::WriteProperties(*source) + " " + diff, errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(rebuilt.Color, platform::clNone);
    EXPECT_EQ(rebuilt.Top, 25);
    EXPECT_EQ(rebuilt.Height, 40);
}
