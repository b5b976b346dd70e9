// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/layout/TextLayout.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"

#include "platform/Cp1250.h"
#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"

#include <QImage>
#include <gtest/gtest.h>
#include <numeric>

using namespace report;
using platform::CanvasRecord;
using platform::RecordingCanvas;

namespace {

// One line as drawn: its runs joined, where it starts and where its last advance ends.
struct DrawnLine {
    int x = 0, y = 0, end = 0;
    std::string text;
    std::vector<const CanvasRecord*> runs;
};

int advanceSum(const CanvasRecord& r) {
    return std::accumulate(r.advances.begin(), r.advances.end(), 0);
}

std::vector<DrawnLine> drawnLines(const RecordingCanvas& canvas) {
    std::vector<DrawnLine> lines;
    for (const CanvasRecord& r : canvas.records()) {
        if (r.kind != CanvasRecord::Kind::TextOut)
            continue;
        const platform::Point at = r.points[0];
        if (lines.empty() || lines.back().y != at.y)
            lines.push_back({at.x, at.y, at.x, {}, {}});
        DrawnLine& line = lines.back();
        line.text += r.text;
        line.end = at.x + advanceSum(r);
        line.runs.push_back(&r);
    }
    return lines;
}

// The width the 600-dpi layout gives a plain line on a 96-dpi device at a zoom.
int idealWidth(std::string_view text, double zoom) {
    RecordingCanvas canvas;
    canvas.setFont(TrpFont("Arial", 11).canvasFont(92));
    return rpRound(canvas.textWidth(text) * 96.0 / 600 * zoom);
}

struct Page {
    TrpReport report;
    TrpReportPage* page = rpCreate<TrpReportPage>(&report);

    TrpMemoView* memo(double width, double height, std::vector<std::string> lines) {
        auto* m = rpCreate<TrpMemoView>(page);
        m->SetBounds(20, 30, width, height);
        m->SetFont(TrpFont("Arial", 11));
        m->Memo = std::move(lines);
        return m;
    }
};

const std::string paragraph = platform::fromUtf8(
    "Alulírott munkáltató igazolom, hogy <b><u>Kovács Éva</u></b> (született: Szőke Éva) "
    "Tölgyesvárhely, Petőfi utca 12. szám alatti lakos 2019. március 1. óta munkaviszonyban áll "
    "cégünknél <b>könyvelő</b> munkakörben, és az utolsó három hónap átlagos nettó jövedelme "
    "<b>412 500 Ft</b>, amelyből családi pótlékot nem vonunk le; ez az igazolás hűen tükrözi az "
    "adatokat.");

} // namespace

TEST(TextDrawing, JustifiedLinesEndOnePixelBeyondTheWidthExceptLastAndBlanklessLines) {
    Page p;
    const std::string longWord(60, 'm');
    TrpMemoView* memo = p.memo(300, 400,
                               {"aaa bbb ccc ddd eee fff ggg hhh iii jjj kkk lll mmm "
                                "nnn ooo ppp",
                                "short line", longWord});
    memo->HAlign = haBlock;
    RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    const platform::Rect rect = memo->TextRect;
    const std::vector<DrawnLine> lines = drawnLines(canvas);
    ASSERT_GE(lines.size(), 6u);
    TrpDrawText& layout = p.report.DrawText();
    ASSERT_EQ(layout.LineCount(), static_cast<int>(lines.size()));
    for (int i = 0; i < layout.LineCount(); ++i) {
        const DrawnLine& line = lines[static_cast<size_t>(i)];
        SCOPED_TRACE(line.text);
        EXPECT_EQ(line.x, rect.left);
        const bool last = layout.LineFlags(i) & TrpDrawText::lineLast;
        const bool blanks = line.text.find(' ') != std::string::npos;
        if (!last && blanks)
            EXPECT_EQ(line.end, rect.right + 1);
        else
            EXPECT_EQ(line.end - line.x, idealWidth(line.text, 1));
    }
    EXPECT_EQ(lines[2].text, "short line"); // a one-line paragraph
    EXPECT_EQ(lines[3].text.find(' '), std::string::npos);

    // Reading right to left, the last line of a paragraph goes to the right edge instead.
    memo->RTLReading = true;
    RecordingCanvas rtl;
    memo->Draw(rtl, 1, 1, 0, 0);
    const std::vector<DrawnLine> rtlLines = drawnLines(rtl);
    EXPECT_EQ(rtlLines[2].end, rect.right + 1);
    EXPECT_TRUE(rtlLines[2].runs[0]->textOptions & platform::textRtlReading);
}

TEST(TextDrawing, OtherAlignmentsPlaceTheIdealWidth) {
    Page p;
    TrpMemoView* memo = p.memo(300, 100, {"right", "centre"});
    for (TrpHAlign align : {haRight, haCenter}) {
        memo->HAlign = align;
        RecordingCanvas canvas;
        memo->Draw(canvas, 2, 2, 0, 0);
        const platform::Rect rect = memo->TextRect;
        const std::vector<DrawnLine> lines = drawnLines(canvas);
        ASSERT_EQ(lines.size(), 2u);
        for (const DrawnLine& line : lines) {
            const int t = idealWidth(line.text, 2);
            EXPECT_EQ(line.end - line.x, t) << line.text;
            if (align == haRight)
                EXPECT_EQ(line.end, rect.right + 1);
            else
                EXPECT_EQ(line.x, rect.left + rpRound((rect.width() - t) / 2.0));
        }
    }
}

TEST(TextDrawing, BottomAlignmentLeavesTheLastLineSpacingAboveTheBottomEdge) {
    Page p;
    TrpMemoView* memo = p.memo(300, 200, {"one", "two", "three"});
    memo->LineSpacing = 6;
    memo->VAlign = vaBottom;
    for (double zoom : {1.0, 1.5, 2.0}) {
        RecordingCanvas canvas;
        memo->Draw(canvas, zoom, zoom, 0, 0);
        const std::vector<DrawnLine> lines = drawnLines(canvas);
        ASSERT_EQ(lines.size(), 3u);
        const int h = rpRound(11 * zoom * 96 / 72);
        EXPECT_EQ(lines.back().y + h, memo->TextRect.bottom - rpRound(6 * zoom)) << zoom;
        EXPECT_EQ(lines.back().runs[0]->font.pixelHeight, h);
    }
    memo->VAlign = vaTop;
    RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    EXPECT_EQ(drawnLines(canvas).front().y, memo->TextRect.top);
    // Centred: half the room left by the ideal height (3 lines of 20.72) above the text.
    memo->VAlign = vaCenter;
    RecordingCanvas centred;
    memo->Draw(centred, 1, 1, 0, 0);
    const platform::Rect rect = memo->TextRect;
    EXPECT_EQ(drawnLines(centred).front().y,
              rect.top + rpRound((rect.height() - rpRound(3 * 20.72)) / 2.0));
}

TEST(TextDrawing, WithoutWordWrapALongLineIsClippedAtTheTextRectangle) {
    Page p;
    const std::string text = "this line is much longer than its narrow text object";
    TrpMemoView* memo = p.memo(60, 40, {text});
    memo->WordWrap = false;
    RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    const std::vector<DrawnLine> lines = drawnLines(canvas);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, text);
    const CanvasRecord& run = *lines[0].runs[0];
    EXPECT_TRUE(run.textOptions & platform::textClipped);
    EXPECT_EQ(run.rect, memo->TextRect);
    EXPECT_LE(run.bounds.right, memo->TextRect.right);
    EXPECT_GT(lines[0].end, memo->TextRect.right);
}

TEST(TextDrawing, LinesThatDoNotFitTheBoxAreNotedAndLeftOutAtEveryZoom) {
    Page p;
    // 43 units of text height hold three line steps of 16.72 (the middle of the third at 40.8).
    TrpMemoView* memo = p.memo(300, 45, {"one", "two", "three", "", "five"});
    const auto drawnAt = [&](double zoom) {
        RecordingCanvas canvas;
        memo->Draw(canvas, zoom, zoom, 0, 0);
        std::vector<std::string> texts;
        for (const DrawnLine& line : drawnLines(canvas))
            texts.push_back(line.text);
        return texts;
    };
    for (double zoom : {1.0, 1.5, 6.25})
        EXPECT_EQ(drawnAt(zoom), (std::vector<std::string>{"one", "two", "three"})) << zoom;
    EXPECT_EQ(memo->TextThatDoesNotFit(), "five"); // the empty line is no loss

    memo->VAlign = vaBottom; // the text now overflows above the box
    for (double zoom : {1.0, 6.25})
        EXPECT_EQ(drawnAt(zoom), (std::vector<std::string>{"three", " ", "five"})) << zoom;
    EXPECT_EQ(memo->TextThatDoesNotFit(), "one\ntwo");

    memo->Height = 200;
    EXPECT_EQ(memo->TextThatDoesNotFit(), "");
}

TEST(TextDrawing, RunsCarryTheirStyleColourSizeAndSubscriptOffset) {
    Page p;
    TrpMemoView* memo =
        p.memo(600, 40, {"<b>Kft.</b> and <font color=red>red</font> H<sub>2</sub>O <u>line</u>"});
    memo->AllowHTMLTags = true;
    RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    const std::vector<DrawnLine> lines = drawnLines(canvas);
    ASSERT_EQ(lines.size(), 3u); // the subscript run lies lower
    std::vector<const CanvasRecord*> runs;
    for (const DrawnLine& line : lines)
        runs.insert(runs.end(), line.runs.begin(), line.runs.end());
    std::vector<std::string> texts;
    for (const CanvasRecord* r : runs)
        texts.push_back(r->text);
    ASSERT_EQ(texts, (std::vector<std::string>{"Kft.", " and ", "red", " H", "2", "O ", "line"}));
    EXPECT_EQ(runs[0]->font.style, platform::fontBold);
    EXPECT_EQ(runs[1]->font.style, 0);
    EXPECT_EQ(runs[2]->font.color, 0x0000FFu);
    EXPECT_EQ(runs[3]->font.color, 0u);
    EXPECT_EQ(runs[4]->font.pixelHeight, 9); // 7 points
    EXPECT_EQ(runs[4]->points[0].y, runs[3]->points[0].y + 7);
    EXPECT_EQ(runs[5]->font.pixelHeight, 15);
    EXPECT_EQ(runs[6]->font.style, platform::fontUnderline);
    for (size_t k = 0; k + 1 < runs.size(); ++k)
        EXPECT_EQ(runs[k + 1]->points[0].x, runs[k]->points[0].x + advanceSum(*runs[k])) << k;
}

TEST(TextDrawing, TurnedTextStartsAtTheTurnedCornerAndStepsAcross) {
    Page p;
    TrpMemoView* memo = p.memo(100, 200, {"up", "next"});
    memo->SetRotation(90);
    RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    std::vector<const CanvasRecord*> runs;
    for (const CanvasRecord& r : canvas.records())
        if (r.kind == CanvasRecord::Kind::TextOut)
            runs.push_back(&r);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0]->font.escapement, 900);
    EXPECT_EQ(runs[0]->points[0], (platform::Point{memo->TextRect.left, memo->TextRect.bottom}));
    // The second line lies one line step to the right, starting at the same height: 15 pixels
    // of font and 2 of spacing, less the pixel by which the ideal height (33) is shorter.
    EXPECT_EQ(runs[1]->points[0].y, memo->TextRect.bottom);
    EXPECT_EQ(runs[1]->points[0].x - runs[0]->points[0].x, 16);

    memo->SetRotation(180);
    RecordingCanvas upsideDown;
    memo->Draw(upsideDown, 1, 1, 0, 0);
    const CanvasRecord& first =
        *std::find_if(upsideDown.records().begin(), upsideDown.records().end(),
                      [](const CanvasRecord& r) { return r.kind == CanvasRecord::Kind::TextOut; });
    EXPECT_EQ(first.points[0], (platform::Point{memo->TextRect.right, memo->TextRect.bottom}));
}

// The promise of the layout: any device, any zoom, the same line breaks, and justified lines
// that end exactly at the right edge.
TEST(TextDrawing, EveryDeviceBreaksAtTheSameCharactersAndJustifiesToTheSameEdge) {
    Page p;
    TrpMemoView* memo = p.memo(500, 400, {paragraph, paragraph});
    memo->AllowHTMLTags = true;
    memo->HAlign = haBlock;
    memo->LineSpacing = 6;
    struct Device {
        RecordingCanvas canvas;
        double scale;
        std::vector<DrawnLine> lines;
        platform::Rect rect;
    };
    Device devices[] = {{RecordingCanvas(96, 96), 1, {}, {}},
                        {RecordingCanvas(96, 96), 2, {}, {}},
                        {RecordingCanvas(600, 600, true), 6.25, {}, {}}};
    for (Device& d : devices) {
        memo->Draw(d.canvas, d.scale, d.scale, 0, 0);
        d.lines = drawnLines(d.canvas);
        d.rect = memo->TextRect;
    }
    const std::vector<DrawnLine>& reference = devices[0].lines;
    ASSERT_GE(reference.size(), 8u);
    int justified = 0;
    for (const Device& d : devices) {
        SCOPED_TRACE(d.scale);
        ASSERT_EQ(d.lines.size(), reference.size());
        for (size_t i = 0; i < reference.size(); ++i) {
            const DrawnLine& line = d.lines[i];
            EXPECT_EQ(line.text, reference[i].text);
            EXPECT_EQ(line.x, d.rect.left);
            // Lines stand where the 600-dpi line steps put them: the rounding error of the
            // steps is spread, never summed up.
            const double ideal = i * (92 * 96 / 600.0 + 6) * d.scale;
            EXPECT_LE(std::abs(line.y - d.rect.top - ideal), 1.5) << i;
            const bool lastOfParagraph = i + 1 == reference.size() || i + 1 == reference.size() / 2;
            if (!lastOfParagraph) {
                EXPECT_EQ(line.end, d.rect.right + 1) << i;
                ++justified;
            } else {
                const double relative = double(line.end - line.x) / d.rect.width();
                const double reference0 =
                    double(reference[i].end - reference[i].x) / devices[0].rect.width();
                EXPECT_NEAR(relative, reference0, 1.0 / devices[0].rect.width()) << i;
            }
        }
    }
    EXPECT_GT(justified, 0);

    // On a real 96-dpi image the ink of every justified line reaches the right edge.
    QImage image(700, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::PainterCanvas painter(image, {false, 96, 96});
        memo->Draw(painter, 1, 1, 0, 0);
    }
    const platform::Rect rect = memo->TextRect;
    for (size_t i = 0; i + 1 < reference.size() / 2; ++i) {
        int rightmost = -1;
        for (int y = reference[i].y; y < reference[i].y + 15; ++y)
            for (int x = rect.left; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    rightmost = std::max(rightmost, x);
        EXPECT_LE(rightmost, rect.right) << i;
        EXPECT_GE(rightmost, rect.right - 4) << i;
    }
}

TEST(TextDrawing, UnderlinedAndStruckRunsKeepTheirLinesOnAnImage) {
    Page p;
    TrpMemoView* memo = p.memo(300, 40, {"<u>mmmm</u> <strike>mmmm</strike>"});
    memo->AllowHTMLTags = true;
    RecordingCanvas canvas;
    memo->Draw(canvas, 2, 2, 0, 0);
    const std::vector<DrawnLine> lines = drawnLines(canvas);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].runs.size(), 3u);

    QImage image(700, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::PainterCanvas painter(image, {false, 96, 96});
        memo->Draw(painter, 2, 2, 0, 0);
    }
    // Somewhere in the cell of each decorated run a row is dark from its first pixel to its
    // last, which only a rule through or under the letters makes.
    const auto hasRule = [&](const CanvasRecord& run) {
        const int left = run.points[0].x + 2, right = run.points[0].x + advanceSum(run) - 3;
        for (int y = run.points[0].y; y < run.points[0].y + 2 * 15 + 4; ++y) {
            bool dark = true;
            for (int x = left; x <= right && dark; ++x)
                dark = qGray(image.pixel(x, y)) < 160;
            if (dark)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(hasRule(*lines[0].runs[0]));
    EXPECT_FALSE(hasRule(*lines[0].runs[1]));
    EXPECT_TRUE(hasRule(*lines[0].runs[2]));
}
