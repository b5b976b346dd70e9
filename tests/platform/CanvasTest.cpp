// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontCache.h"
#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"

#include <QImage>
#include <gtest/gtest.h>
#include <numeric>

using namespace platform;

namespace {

QImage whiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isBlack(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

// The pixels of one row (or column) that are not white, as a string of '#' and '.'.
std::string row(const QImage& image, int y, int from, int to) {
    std::string s;
    for (int x = from; x < to; ++x)
        s += image.pixel(x, y) == qRgb(255, 255, 255) ? '.' : '#';
    return s;
}

std::string column(const QImage& image, int x, int from, int to) {
    std::string s;
    for (int y = from; y < to; ++y)
        s += image.pixel(x, y) == qRgb(255, 255, 255) ? '.' : '#';
    return s;
}

} // namespace

TEST(PainterCanvas, OnePixelLinesLeaveTheEndPointOut) {
    QImage image = whiteImage(20, 20);
    {
        PainterCanvas canvas(image);
        canvas.line({2, 3}, {8, 3});
        canvas.line({12, 2}, {12, 7});
        canvas.line({9, 10}, {3, 10}); // drawn right to left: 9 included, 3 left out
    }
    EXPECT_EQ(row(image, 3, 0, 10), "..######..");
    EXPECT_EQ(column(image, 12, 0, 9), "..#####..");
    EXPECT_EQ(row(image, 10, 0, 11), "....######.");
}

TEST(PainterCanvas, DiagonalLineStepsOncePerPixelWithoutTheEndPoint) {
    QImage image = whiteImage(10, 10);
    {
        PainterCanvas canvas(image);
        canvas.line({1, 1}, {5, 5});
    }
    for (int i = 1; i < 5; ++i)
        EXPECT_TRUE(isBlack(image, i, i)) << i;
    EXPECT_FALSE(isBlack(image, 5, 5));
}

TEST(PainterCanvas, WidePenCoversBothEndsAndSpreadsAcrossTheLine) {
    QImage image = whiteImage(30, 30);
    {
        PainterCanvas canvas(image);
        canvas.setPen({clBlack, 6, PenStyle::Dot, PenMode::Copy}); // wide pens draw solid
        canvas.line({10, 15}, {20, 15});
    }
    // Across: 15 - 3 ... 15 + 2; along: 10 - 3 ... 20 + 2.
    EXPECT_EQ(column(image, 15, 10, 20), "..######..");
    EXPECT_EQ(row(image, 12, 5, 25), "..################..");
    EXPECT_EQ(row(image, 17, 5, 25), "..################..");
    EXPECT_EQ(row(image, 18, 5, 25), "....................");
}

TEST(PainterCanvas, DottedPenPaintsItsGapsOnlyOverASolidBrush) {
    QImage image = whiteImage(20, 4);
    {
        PainterCanvas canvas(image);
        canvas.setPen({clBlack, 1, PenStyle::Dot, PenMode::Copy});
        canvas.setBrush({clWhite, BrushStyle::Clear});
        canvas.line({0, 0}, {14, 0});
        canvas.setBrush({rgb(255, 0, 0), BrushStyle::Solid});
        canvas.line({0, 2}, {14, 2});
    }
    EXPECT_EQ(row(image, 0, 0, 16), "###...###...##..");
    EXPECT_EQ(image.pixel(3, 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(14, 2), qRgb(255, 255, 255));
}

TEST(PainterCanvas, SideBySideDottedLinesCoverTheirBandWithTheDotPattern) {
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        PainterCanvas canvas(image);
        canvas.setPen({clBlack, 1, PenStyle::Dot, PenMode::Copy});
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        canvas.parallelLines({5, 10}, {50, 10}, 6); // rows 7 ... 12
        canvas.parallelLines({55, 2}, {55, 17}, 3); // columns 54 ... 56
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 53; ++x) {
            const bool on = y >= 7 && y <= 12 && x >= 5 && x < 50 && (x - 5) % 6 < 3;
            ASSERT_EQ(image.pixelColor(x, y), on ? QColor(Qt::black) : QColor(Qt::white))
                << x << "," << y;
        }
    for (int y = 0; y < 20; ++y)
        for (int x = 53; x < 60; ++x) {
            const bool on = x >= 54 && x <= 56 && y >= 2 && y < 17 && (y - 2) % 6 < 3;
            ASSERT_EQ(image.pixelColor(x, y), on ? QColor(Qt::black) : QColor(Qt::white))
                << x << "," << y;
        }
}

TEST(PainterCanvas, DashPatternsFollowTheDeviceContextLengths) {
    QImage image = whiteImage(40, 3);
    {
        PainterCanvas canvas(image);
        canvas.setBrush({clWhite, BrushStyle::Clear});
        canvas.setPen({clBlack, 1, PenStyle::Dash, PenMode::Copy});
        canvas.line({0, 0}, {40, 0});
        canvas.setPen({clBlack, 1, PenStyle::DashDotDot, PenMode::Copy});
        canvas.line({0, 2}, {40, 2});
    }
    EXPECT_EQ(row(image, 0, 0, 26), "##################......##");
    EXPECT_EQ(row(image, 2, 0, 26), "#########...###...###...##");
}

TEST(PainterCanvas, FillsAndRectanglesExcludeRightAndBottomEdges) {
    QImage image = whiteImage(12, 12);
    {
        PainterCanvas canvas(image);
        canvas.setBrush({clBlack, BrushStyle::Solid});
        canvas.fillRect({1, 1, 4, 3});
        canvas.setBrush({clWhite, BrushStyle::Clear});
        canvas.rectangle({5, 5, 10, 9});
    }
    EXPECT_EQ(row(image, 1, 0, 6), ".###..");
    EXPECT_EQ(column(image, 1, 0, 5), ".##..");
    EXPECT_EQ(row(image, 5, 4, 11), ".#####.");
    EXPECT_EQ(row(image, 6, 4, 11), ".#...#.");
    EXPECT_EQ(row(image, 8, 4, 11), ".#####.");
    EXPECT_EQ(row(image, 9, 4, 11), ".......");
}

TEST(PainterCanvas, ClearBrushAndNoColourFillNothing) {
    QImage image = whiteImage(6, 6);
    {
        PainterCanvas canvas(image);
        canvas.setBrush({clBlack, BrushStyle::Clear});
        canvas.fillRect({0, 0, 6, 6});
        canvas.setBrush({clNone, BrushStyle::Solid});
        canvas.fillRect({0, 0, 6, 6});
    }
    for (int y = 0; y < 6; ++y)
        EXPECT_EQ(row(image, y, 0, 6), "......");
}

TEST(PainterCanvas, HatchLeavesItsGapsUntouched) {
    QImage image = whiteImage(16, 16);
    image.fill(qRgb(0, 255, 0));
    {
        PainterCanvas canvas(image);
        canvas.setBrush({clBlack, BrushStyle::Horizontal});
        canvas.fillRect({0, 0, 16, 16});
    }
    int black = 0, green = 0;
    for (int y = 0; y < 16; ++y) {
        black += image.pixel(0, y) == qRgb(0, 0, 0);
        green += image.pixel(0, y) == qRgb(0, 255, 0);
    }
    EXPECT_GT(black, 0);
    EXPECT_EQ(black + green, 16);
}

TEST(PainterCanvas, XorPenInvertsAndRestores) {
    QImage image = whiteImage(10, 3);
    {
        PainterCanvas canvas(image);
        canvas.setPen({clWhite, 1, PenStyle::Solid, PenMode::Xor});
        canvas.line({0, 1}, {10, 1});
        EXPECT_EQ(image.pixel(4, 1), qRgb(0, 0, 0));
        canvas.line({0, 1}, {5, 1});
    }
    EXPECT_EQ(row(image, 1, 0, 10), ".....#####");
}

TEST(PainterCanvas, ExcludedRectanglesAreNotPaintedUntilTheClipIsReset) {
    QImage image = whiteImage(10, 10);
    {
        PainterCanvas canvas(image);
        canvas.excludeClipRect({2, 2, 8, 8});
        canvas.setBrush({clBlack, BrushStyle::Solid});
        canvas.fillRect({0, 0, 10, 10});
        EXPECT_TRUE(canvas.visibleArea().has_value());
        canvas.resetClip();
        canvas.setBrush({rgb(255, 0, 0), BrushStyle::Solid});
        canvas.fillRect({4, 4, 5, 5});
    }
    EXPECT_EQ(row(image, 1, 0, 10), "##########");
    EXPECT_EQ(row(image, 2, 0, 10), "##......##");
    EXPECT_EQ(image.pixel(4, 4), qRgb(255, 0, 0));
}

TEST(PainterCanvas, StretchCopiesPixelsWithoutSmoothing) {
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(255, 0, 0));
    QImage image = whiteImage(8, 4);
    {
        PainterCanvas canvas(image);
        canvas.stretchDraw({0, 0, 8, 4}, source);
    }
    EXPECT_EQ(image.pixel(3, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(4, 2), qRgb(255, 0, 0));
}

TEST(CanvasText, ExtentsAreRoundedRunningSumsOfDesignAdvances) {
    RecordingCanvas canvas;
    canvas.setFont({"Tahoma", 92, 0, 1, clBlack, 0});
    const std::string text = "fi fi office";
    const std::vector<int> extents = canvas.textExtents(text);
    ASSERT_EQ(extents.size(), text.size());
    const GlyphLine glyphs = glyphLineFor(canvas.font(), text);
    double sum = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        sum += glyphs.advances[static_cast<qsizetype>(i)];
        EXPECT_EQ(extents[i], static_cast<int>(std::nearbyint(sum))) << i;
    }
    // No ligature: "fi" is as wide as "f" followed by "i".
    const double f = glyphLineFor(canvas.font(), "f").advances[0];
    const double i = glyphLineFor(canvas.font(), "i").advances[0];
    EXPECT_EQ(canvas.textWidth("fi"), static_cast<int>(std::nearbyint(f + i)));
    EXPECT_EQ(canvas.textWidth(""), 0);
}

TEST(CanvasText, AccentedLettersAreMeasuredAsTheirOwnGlyphs) {
    RecordingCanvas canvas;
    canvas.setFont({"Tahoma", 83, 0, 1, clBlack, 0});
    // "ő" and "ű" (cp1250 0xF5, 0xFB) have glyphs of their own in Tahoma.
    const GlyphLine glyphs = glyphLineFor(canvas.font(), "\xF5\xFB");
    EXPECT_NE(glyphs.glyphs[0], 0u);
    EXPECT_NE(glyphs.glyphs[1], 0u);
    EXPECT_GT(canvas.textWidth("\xF5"), 0);
}

TEST(CanvasText, TextStaysInsideItsClipRectangle) {
    QImage image = whiteImage(120, 40);
    {
        PainterCanvas canvas(image);
        canvas.setFont({"Arial", 30, fontBold, 1, clBlack, 0});
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        const int advances[] = {20, 20, 20, 20, 20};
        canvas.textOut(5, 2, "WWWWW", advances, {10, 0, 60, 40}, textClipped);
    }
    int inside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                EXPECT_TRUE(x >= 10 && x < 60) << x << "," << y;
                ++inside;
            }
    EXPECT_GT(inside, 50);
}

TEST(RecordingCanvas, KeepsTextWithItsStringAdvancesAndBounds) {
    RecordingCanvas canvas(600, 600, true);
    EXPECT_EQ(canvas.dpiY(), 600);
    EXPECT_TRUE(canvas.isPrinter());
    EXPECT_FALSE(canvas.visibleArea());
    canvas.setFont({"Tahoma", 20, 0, 1, clBlack, 0});
    const int advances[] = {10, 12, 14};
    canvas.textOut(100, 50, "a\xE1z", advances, {0, 0, 1000, 1000}, textClipped);
    canvas.textOut(0, 0, "abc", {}, {0, 0, 20, 5}, textClipped);
    ASSERT_EQ(canvas.records().size(), 2u);
    const CanvasRecord& r = canvas.records()[0];
    EXPECT_EQ(r.kind, CanvasRecord::Kind::TextOut);
    EXPECT_EQ(r.text, "a\xE1z");
    EXPECT_EQ(r.advances, (std::vector<int>{10, 12, 14}));
    const int h = canvas.fontMetrics().height();
    EXPECT_GT(h, 19);
    EXPECT_EQ(r.bounds, (Rect{100, 50, 136, 50 + h}));
    // Advances left out come from the font; bounds are cut by the clip.
    const CanvasRecord& s = canvas.records()[1];
    EXPECT_EQ(s.advances.size(), 3u);
    EXPECT_EQ(s.bounds, (Rect{0, 0, std::min(20, canvas.textWidth("abc")), 5}));
}

TEST(RecordingCanvas, ReplayDrawsTheSamePixelsAsDrawingDirectly) {
    const auto draw = [](Canvas& canvas) {
        canvas.setBrush({rgb(200, 10, 10), BrushStyle::Solid});
        canvas.fillRect({2, 2, 30, 20});
        canvas.setPen({rgb(0, 0, 255), 1, PenStyle::DashDot, PenMode::Copy});
        canvas.line({0, 25}, {60, 25});
        canvas.setPen({clBlack, 3, PenStyle::Solid, PenMode::Copy});
        canvas.line({40, 2}, {40, 20});
        canvas.excludeClipRect({5, 5, 10, 10});
        canvas.setBrush({rgb(0, 128, 0), BrushStyle::Solid});
        canvas.fillRect({0, 0, 20, 20});
        canvas.resetClip();
        canvas.setFont({"Tahoma", 14, fontItalic | fontUnderline, 1, rgb(0, 0, 128), 0});
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        canvas.textOut(5, 30, "\xC1rv\xEDzt\xFBr\xF5", {}, {0, 0, 64, 64}, textClipped);
    };
    QImage direct = whiteImage(64, 64), replayed = whiteImage(64, 64);
    {
        PainterCanvas canvas(direct);
        draw(canvas);
    }
    RecordingCanvas recording;
    draw(recording);
    {
        PainterCanvas canvas(replayed);
        recording.replay(canvas);
    }
    EXPECT_EQ(direct, replayed);
    EXPECT_EQ(direct.pixel(7, 7), qRgb(200, 10, 10));
}

namespace {

// The width of the first run of dark pixels on a row, from the left.
int firstStemWidth(const QImage& image, int row) {
    int x = 0;
    while (x < image.width() && qGray(image.pixel(x, row)) >= 128)
        ++x;
    int width = 0;
    while (x + width < image.width() && qGray(image.pixel(x + width, row)) < 128)
        ++width;
    return width;
}

} // namespace

// Wine's Tahoma Bold has regular-weight stems; drawn, bold must still look bold.
TEST(CanvasText, BoldStemsAreVisiblyWiderThanRegularOnesAt600Dpi) {
    if (!hasThinBoldStems({"Tahoma", 92, fontBold, 1, clBlack, 0}))
        GTEST_SKIP() << "no bold face with thin stems (Wine's Tahoma) is installed";
    const auto render = [](int style) {
        QImage image(600, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        PainterCanvas canvas(image);
        canvas.setFont({"Tahoma", 92, style, 1, clBlack, 0});
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        canvas.textOut(20, 20, "Ill\xE9s", {}, {0, 0, 600, 200}, textClipped);
        return image;
    };
    const QImage regular = render(0), bold = render(fontBold);
    const int row = 20 + 50; // through the stems of "Ill", below the accent
    const int regularStem = firstStemWidth(regular, row), boldStem = firstStemWidth(bold, row);
    ASSERT_GT(regularStem, 0);
    EXPECT_GE(boldStem, 1.6 * regularStem) << boldStem << " vs " << regularStem;
}

// The form code's typeface is not installed; its stand-in is Liberation Sans Bold (Arial Bold's
// widths: "KF2718" 3.557 em), not whatever the fallback would be (DejaVu Sans Bold, 4.24 em).
TEST(CanvasText, TheFormCodesTypefaceHasTheChosenStandIn) {
    const GlyphLine line =
        glyphLineFor({"Franklin Gothic Medium", 1000, fontBold, 1, clBlack, 0}, "KF2718");
    EXPECT_NEAR(std::accumulate(line.advances.begin(), line.advances.end(), 0.0), 3557, 2);
}
