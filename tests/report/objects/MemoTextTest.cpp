// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/layout/TextLayout.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"

#include "platform/RecordingCanvas.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace report;
using platform::CanvasRecord;
using platform::RecordingCanvas;

namespace {

struct Page {
    TrpReport report;
    TrpReportPage* page = rpCreate<TrpReportPage>(&report);

    TrpMemoView* memo(std::vector<std::string> lines, double width = 300, double height = 100) {
        auto* m = rpCreate<TrpMemoView>(page);
        m->SetBounds(20, 30, width, height);
        m->SetFont(TrpFont("Arial", 11));
        m->Memo = std::move(lines);
        return m;
    }
};

std::vector<const CanvasRecord*> recordsOf(const RecordingCanvas& canvas, CanvasRecord::Kind kind) {
    std::vector<const CanvasRecord*> found;
    for (const CanvasRecord& r : canvas.records())
        if (r.kind == kind)
            found.push_back(&r);
    return found;
}

std::string drawnText(const RecordingCanvas& canvas) {
    std::string text;
    for (const CanvasRecord* r : recordsOf(canvas, CanvasRecord::Kind::TextOut))
        text += r->text;
    return text;
}

double width600(std::string_view text) {
    RecordingCanvas canvas;
    canvas.setFont(TrpFont("Arial", 11).canvasFont(92));
    return canvas.textWidth(text) * 96.0 / 600;
}

} // namespace

TEST(MemoText, CalcHeightCountsWrappedLinesAndTheInnerMargins) {
    Page p;
    TrpMemoView* memo = p.memo({"one", "two", "three"});
    EXPECT_EQ(memo->CalcHeight(), 52); // Round(3 * 16.72 + 2)
    memo->Frame.Typ = bitOf(ftTop) | bitOf(ftBottom);
    memo->Frame.Width = 2;
    EXPECT_EQ(memo->CalcHeight(), 54); // Round(50.16 + 2 + 0.5 + 1)

    // A narrow object wraps, and so needs more height; AutoWidth lays out without wrapping.
    TrpMemoView* narrow = p.memo({"aaa bbb ccc"}, 4 + width600("aaa bbb") + 2);
    EXPECT_EQ(narrow->CalcHeight(), rpRound(2 * 16.72 + 2));
    narrow->AutoWidth = true;
    EXPECT_EQ(narrow->CalcHeight(), rpRound(16.72 + 2));
    EXPECT_EQ(p.memo({})->CalcHeight(), 2);
}

TEST(MemoText, CalcWidthIsTheLongestLineWithTheInnerMargins) {
    Page p;
    TrpMemoView* memo = p.memo({"abc", "abcdef ghi"}, 20);
    EXPECT_EQ(memo->CalcWidth(), rpRound(width600("abcdef ghi") + 4));
    memo->Frame.Typ = bitOf(ftLeft) | bitOf(ftRight);
    memo->Frame.Width = 3;
    memo->Frame.DropShadow = true;
    EXPECT_EQ(memo->CalcWidth(), rpRound(width600("abcdef ghi") + 4 + 1 + 1.5 + 4));
}

TEST(MemoText, AutoWidthTakesTheTextWidthAndGrowsAwayFromTheAlignedSide) {
    Page p;
    const std::string text = "a line that is far wider than ten units";
    for (TrpHAlign align : {haLeft, haRight, haCenter}) {
        TrpMemoView* memo = p.memo({text}, 10);
        memo->AutoWidth = true;
        memo->HAlign = align;
        RecordingCanvas canvas;
        memo->Draw(canvas, 1, 1, 0, 0);
        const double width = width600(text) + 4;
        EXPECT_DOUBLE_EQ(memo->Width, width);
        const double growth = width - 10;
        const double left = align == haLeft ? 20 : align == haRight ? 20 - growth : 20 - growth / 2;
        EXPECT_DOUBLE_EQ(memo->Left, left);
        // The text then fits on one line.
        const auto runs = recordsOf(canvas, CanvasRecord::Kind::TextOut);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0]->text, text);
    }
}

TEST(MemoText, TheFirstTotalPagesMarkerShowsThePreparedPageCountWhenDrawn) {
    Page p;
    TrpMemoView* memo = p.memo({"Oldal: [TotalPages#]", "[totalpages#]"}, 400);
    memo->PreparedPageCount = 7;
    RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    EXPECT_EQ(drawnText(canvas), "Oldal: 7[totalpages#]");
    EXPECT_EQ(memo->Memo[0], "Oldal: [TotalPages#]"); // the object keeps its text

    memo->InEditor = true;
    RecordingCanvas editor;
    memo->Draw(editor, 1, 1, 0, 0);
    EXPECT_EQ(drawnText(editor), "Oldal: [TotalPages#][totalpages#]");
}

TEST(MemoText, AnActiveHighlightDrawsWithItsFontAndColourForThisDrawingOnly) {
    Page p;
    TrpMemoView* memo = p.memo({"alert"});
    memo->Highlight.Active = true;
    memo->Highlight.Font = TrpFont("Arial", 14, 0x0000FF, bitOf(fsBold));
    memo->Highlight.Color = 0x00FFFF;
    RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    const auto fills = recordsOf(canvas, CanvasRecord::Kind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->brush.color, 0x00FFFFu);
    const auto runs = recordsOf(canvas, CanvasRecord::Kind::TextOut);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]->font.color, 0x0000FFu);
    EXPECT_EQ(runs[0]->font.style, platform::fontBold);
    EXPECT_EQ(runs[0]->font.pixelHeight, 19); // Round(14 * 96 / 72)
    EXPECT_EQ(memo->Color, platform::clNone);

    memo->Highlight.Active = false;
    RecordingCanvas plain;
    memo->Draw(plain, 1, 1, 0, 0);
    EXPECT_TRUE(recordsOf(plain, CanvasRecord::Kind::FillRect).empty());
    EXPECT_EQ(recordsOf(plain, CanvasRecord::Kind::TextOut)[0]->font.color, 0u);
}

TEST(MemoText, UnderlinesRuleOneLineStepApartAcrossTheObject) {
    Page p;
    TrpMemoView* memo = p.memo({"x"}, 100, 60);
    memo->Underlines = true;
    memo->Frame.Color = 0x808080;
    RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    const auto rules = recordsOf(canvas, CanvasRecord::Kind::Line);
    ASSERT_EQ(rules.size(), 3u); // 16.72, 33.44 and 50.16 lie above the bottom at 60
    for (size_t k = 0; k < rules.size(); ++k) {
        const int y = 30 + rpRound((k + 1) * 16.72);
        EXPECT_EQ(rules[k]->points[0], (platform::Point{20, y}));
        EXPECT_EQ(rules[k]->points[1], (platform::Point{120, y}));
        EXPECT_EQ(rules[k]->pen.color, 0x808080u);
    }
    memo->SetRotation(90);
    RecordingCanvas turned;
    memo->Draw(turned, 1, 1, 0, 0);
    EXPECT_TRUE(recordsOf(turned, CanvasRecord::Kind::Line).empty());
}

TEST(MemoText, EachReportHasItsOwnLayoutAndLooseObjectsShareOne) {
    Page p, q;
    TrpMemoView* a = p.memo({"a"});
    TrpMemoView* b = q.memo({"b"});
    EXPECT_EQ(&a->TextLayout(), &p.report.DrawText());
    EXPECT_NE(&a->TextLayout(), &b->TextLayout());
    TrpMemoView loose;
    EXPECT_EQ(&loose.TextLayout(), &TrpDrawText::Shared());
    loose.Memo = {"loose"};
    loose.SetBounds(0, 0, 100, 30); // room for its line, which is drawn only where it fits
    RecordingCanvas canvas;
    loose.Draw(canvas, 1, 1, 0, 0);
    EXPECT_EQ(drawnText(canvas), "loose");
    EXPECT_FALSE(TrpDrawText::Shared().Busy());
}

TEST(MemoText, LockWaitsForTheHolderWhileEventsAreProcessed) {
    TrpDrawText drawText;
    drawText.Lock();
    bool released = false;
    QTimer::singleShot(0, [&] {
        released = true;
        drawText.Unlock();
    });
    drawText.Lock();
    EXPECT_TRUE(released);
    EXPECT_TRUE(drawText.Busy());
    drawText.Unlock();
    EXPECT_FALSE(drawText.Busy());
}
