// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"

#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "support/CanvasRecords.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace report;
using platform::CanvasRecord;
using platform::Point;
using platform::RecordingCanvas;

namespace {

struct Fixture {
    TrpReport report;
    TrpReportPage* page = rpCreate<TrpReportPage>(&report);
    TrpMemoView* memo = rpCreate<TrpMemoView>(page);

    Fixture() {
        memo->SetBounds(10, 20, 30, 15);
        memo->Frame.Typ = bitOf(ftLeft) | bitOf(ftRight) | bitOf(ftTop) | bitOf(ftBottom);
    }
};

QImage whiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool black(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

} // namespace

TEST(ViewDrawing, FrameAtScaleOneClosesOnTheStatedPixels) {
    Fixture f;
    RecordingCanvas canvas;
    f.memo->Draw(canvas, 1, 1, 0, 0);
    const std::vector<Segment> expected{{{10, 20}, {10, 35}},
                                        {{40, 20}, {40, 35}},
                                        {{10, 20}, {40, 20}},
                                        {{10, 35}, {41, 35}}}; // one on for the corner pixel
    EXPECT_EQ(linesOf(canvas), expected);
    for (const CanvasRecord& r : canvas.records()) {
        if (r.kind == CanvasRecord::Kind::Line) {
            EXPECT_EQ(r.pen.width, 1);
        }
    }

    QImage image = whiteImage(60, 60);
    {
        platform::PainterCanvas painter(image);
        canvas.replay(painter);
    }
    for (int y = 20; y <= 35; ++y) {
        EXPECT_TRUE(black(image, 10, y)) << y;
        EXPECT_TRUE(black(image, 40, y)) << y;
    }
    for (int x = 10; x <= 40; ++x) {
        EXPECT_TRUE(black(image, x, 20)) << x;
        EXPECT_TRUE(black(image, x, 35)) << x;
    }
    EXPECT_FALSE(black(image, 41, 35));
    EXPECT_FALSE(black(image, 10, 36));
    EXPECT_FALSE(black(image, 11, 21));
}

TEST(ViewDrawing, FrameAtPrinterScaleRoundsHalvesToEvenAndWidensThePen) {
    Fixture f;
    RecordingCanvas canvas(600, 600, true);
    f.memo->Draw(canvas, 6.25, 6.25, 3, 4);
    const TrpDeviceRect& r = f.memo->DRect;
    EXPECT_EQ(r.X, 66);  // 3 + 62.5 = 65.5, to even
    EXPECT_EQ(r.Y, 129); // 4 + 125
    EXPECT_EQ(r.X1, 253);
    EXPECT_EQ(r.Y1, 223); // 4 + 218.75
    EXPECT_EQ(r.FrameWidth, 6);
    const std::vector<Segment> expected{{{66, 129}, {66, 223}},
                                        {{253, 129}, {253, 223}},
                                        {{66, 129}, {253, 129}},
                                        {{66, 223}, {253, 223}}}; // no extra pixel when wide
    EXPECT_EQ(linesOf(canvas), expected);
    for (const CanvasRecord& rec : canvas.records()) {
        if (rec.kind == CanvasRecord::Kind::Line) {
            EXPECT_EQ(rec.pen.width, 6);
        }
    }

    QImage image = whiteImage(300, 300);
    {
        platform::PainterCanvas painter(image);
        f.memo->Draw(painter, 6.25, 6.25, 3, 4);
    }
    // The left side covers columns 66 - 3 ... 66 + 2, from 3 pixels above the top.
    EXPECT_TRUE(black(image, 63, 126));
    EXPECT_TRUE(black(image, 68, 200));
    EXPECT_FALSE(black(image, 62, 200));
    EXPECT_FALSE(black(image, 69, 200));
    EXPECT_FALSE(black(image, 63, 125));
    EXPECT_TRUE(black(image, 255, 225)); // the corner is closed
    EXPECT_FALSE(black(image, 100, 200));
}

TEST(ViewDrawing, DottedFrameIsDrawnAsParallelOnePixelLines) {
    Fixture f;
    f.memo->Frame.Style = fsDot;
    f.memo->Frame.Typ = bitOf(ftTop);
    RecordingCanvas canvas;
    f.memo->Draw(canvas, 6.25, 6.25, 0, 0);
    const std::vector<Segment> lines = linesOf(canvas);
    ASSERT_EQ(lines.size(), 6u);
    for (int k = -3; k <= 2; ++k) {
        EXPECT_EQ(lines[static_cast<size_t>(k + 3)], (Segment{{62, 125 + k}, {250, 125 + k}}));
    }
    for (const CanvasRecord& r : canvas.records())
        if (r.kind == CanvasRecord::Kind::Line) {
            EXPECT_EQ(r.pen.style, platform::PenStyle::Dot);
            EXPECT_EQ(r.pen.width, 1);
            EXPECT_EQ(r.brush.style, platform::BrushStyle::Clear); // gaps stay open without Color
        }

    f.memo->Color = platform::rgb(255, 255, 0);
    QImage image = whiteImage(40, 40);
    {
        platform::PainterCanvas painter(image);
        f.memo->Draw(painter, 1, 1, -5, -15);
    }
    // Dots of 3 pixels; the gaps take the view's colour.
    EXPECT_TRUE(black(image, 5, 5));
    EXPECT_TRUE(black(image, 7, 5));
    EXPECT_EQ(image.pixel(8, 5), qRgb(255, 255, 0));
    EXPECT_TRUE(black(image, 11, 5));
}

TEST(ViewDrawing, NoFrameWithoutSidesWhateverTheStyle) {
    Fixture f;
    f.memo->Frame.Typ = 0;
    f.memo->Frame.Style = fsDot;
    RecordingCanvas canvas;
    f.memo->Draw(canvas, 1, 1, 0, 0);
    EXPECT_TRUE(canvas.records().empty());

    f.memo->Frame.Typ = bitOf(ftLeft);
    f.memo->Frame.Color = platform::clNone;
    f.memo->Draw(canvas, 1, 1, 0, 0);
    f.memo->Frame.Color = 0;
    f.memo->Frame.Width = 0;
    f.memo->Draw(canvas, 1, 1, 0, 0);
    EXPECT_TRUE(canvas.records().empty());
}

TEST(ViewDrawing, FillsWithNoColourDrawNothingAndColoursFillExclusively) {
    Fixture f;
    f.memo->Frame.Typ = 0;
    RecordingCanvas canvas;
    f.memo->Draw(canvas, 2, 2, 0, 0);
    EXPECT_TRUE(canvas.records().empty());

    f.memo->Color = platform::rgb(1, 2, 3);
    f.memo->Draw(canvas, 2, 2, 0, 0);
    ASSERT_EQ(canvas.records().size(), 1u);
    const CanvasRecord& fill = canvas.records()[0];
    EXPECT_EQ(fill.kind, CanvasRecord::Kind::FillRect);
    EXPECT_EQ(fill.rect, (platform::Rect{20, 40, 80, 70}));
    EXPECT_EQ(fill.brush.color, platform::rgb(1, 2, 3));
}

TEST(ViewDrawing, HatchIsARectangleOneLargerInTheFrameColour) {
    Fixture f;
    f.memo->Frame.Typ = 0;
    f.memo->Frame.Color = platform::rgb(0, 0, 255);
    f.memo->BrushStyle = bsDiagCross;
    RecordingCanvas canvas;
    f.memo->Draw(canvas, 1, 1, 0, 0);
    ASSERT_EQ(canvas.records().size(), 1u);
    const CanvasRecord& r = canvas.records()[0];
    EXPECT_EQ(r.kind, CanvasRecord::Kind::Rectangle);
    EXPECT_EQ(r.rect, (platform::Rect{10, 20, 41, 36}));
    EXPECT_EQ(r.brush.style, platform::BrushStyle::DiagCross);
    EXPECT_EQ(r.brush.color, platform::rgb(0, 0, 255));
    EXPECT_EQ(r.pen.color, platform::clWhite); // no colour: a white outline
}

TEST(ViewDrawing, DropShadowBandsLieRightAndBelow) {
    Fixture f;
    f.memo->Frame.Typ = 0;
    f.memo->Frame.DropShadow = true;
    f.memo->Frame.ShadowWidth = 2;
    RecordingCanvas canvas;
    f.memo->Draw(canvas, 1, 1, 0, 0);
    // The rectangle gives up the shadow's width: X1 = 38, Y1 = 33.
    EXPECT_EQ(f.memo->DRect.X1, 38);
    EXPECT_EQ(f.memo->DRect.Y1, 33);
    const std::vector<Segment> expected{
        {{38, 22}, {38, 33}}, {{39, 22}, {39, 33}}, {{12, 33}, {40, 33}}, {{12, 34}, {40, 34}}};
    EXPECT_EQ(linesOf(canvas), expected);
}

TEST(ViewDrawing, DoubleFrameDrawsOuterAndInnerLinesThatMeetAtFramedCorners) {
    Fixture f;
    f.memo->Frame.Style = fsDouble;
    f.memo->Frame.Typ = bitOf(ftLeft) | bitOf(ftTop);
    f.memo->Color = platform::rgb(0, 255, 0);
    RecordingCanvas canvas;
    f.memo->Draw(canvas, 1, 1, 0, 0);
    std::vector<Segment> lines = linesOf(canvas);
    const std::vector<Segment> expected{
        {{9, 19}, {9, 35}},  {{11, 21}, {11, 35}}, {{10, 20}, {10, 35}}, // left
        {{9, 19}, {40, 19}}, {{11, 21}, {40, 21}}, {{10, 20}, {40, 20}}, // top
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(canvas.records().back().pen.color, platform::rgb(0, 255, 0));
}

TEST(ViewDrawing, LinesTakeTheirShapeFromTheirSize) {
    TrpReport report;
    auto* page = rpCreate<TrpReportPage>(&report);
    auto* vertical = rpCreate<TrpLineView>(page);
    vertical->SetBounds(158.74015748, 75.5906, 0, 56.69295);
    vertical->Frame.Typ = bitOf(ftTop); // overwritten
    auto* horizontal = rpCreate<TrpLineView>(page);
    horizontal->SetBounds(0, 132.28355, 634.96104, 0);
    horizontal->Frame.Typ = bitOf(ftLeft);
    RecordingCanvas canvas;
    vertical->Draw(canvas, 1, 1, 0, 0);
    horizontal->Draw(canvas, 1, 1, 0, 0);
    const std::vector<Segment> expected{{{159, 76}, {159, 132}}, {{0, 132}, {635, 132}}};
    EXPECT_EQ(linesOf(canvas), expected);
    EXPECT_EQ(vertical->Frame.Typ, bitOf(ftLeft));
    EXPECT_EQ(horizontal->Frame.Typ, bitOf(ftTop));
    EXPECT_EQ(horizontal->Height, 0);

    // A line wider than high becomes horizontal even with a height.
    auto* flat = rpCreate<TrpLineView>(page);
    flat->SetBounds(0, 0, 10, 3);
    flat->Draw(canvas, 1, 1, 0, 0);
    EXPECT_EQ(flat->Height, 0);
    EXPECT_EQ(flat->Width, 10);
}

TEST(ViewDrawing, DiagonalLineIsFrameWidthOnePixelLinesCornerToCorner) {
    TrpLineView line;
    line.Diagonal = true;
    line.SetBounds(0, 0, 10, 20);
    line.Frame.Width = 0.5;
    line.Frame.Style = fsDouble;
    RecordingCanvas canvas;
    line.Draw(canvas, 6, 6, 0, 0);
    const std::vector<Segment> lines = linesOf(canvas);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (Segment{{-1, 0}, {59, 120}})); // steep: offsets across are horizontal
    EXPECT_EQ(lines[2], (Segment{{1, 0}, {61, 120}}));
    EXPECT_EQ(canvas.records()[0].pen.style, platform::PenStyle::Solid);
    EXPECT_EQ(line.Width, 10); // a diagonal keeps its size
}

TEST(ViewDrawing, TextAreaLiesInsideTheGapsAndFramedSides) {
    Fixture f;
    f.memo->Frame.Width = 2;
    f.memo->Frame.Typ = bitOf(ftLeft) | bitOf(ftBottom);
    RecordingCanvas canvas;
    f.memo->ComputeDeviceRect(canvas, 1, 1, 0, 0);
    // Left 10 + 2 + Round(0.5) = 12; top 20 + 1; right 40 - 2 + 1; bottom 35 - 1 + 1 - 1.
    EXPECT_EQ(f.memo->TextRect, (platform::Rect{12, 21, 39, 34}));
}
