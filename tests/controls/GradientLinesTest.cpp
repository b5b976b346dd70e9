// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GradientLines.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace controls;
using platform::rgb;

namespace {

constexpr QRgb background = qRgb(1, 2, 3);

QImage draw(const QRect& rect, bool vertical, const std::vector<platform::TColor>& colors,
            QSize size = {40, 30}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    DrawGradientLines(painter, rect, vertical, colors);
    return image;
}

QRgb rgbOf(platform::TColor c) {
    return qRgb(platform::redOf(c), platform::greenOf(c), platform::blueOf(c));
}

// The channel at fraction j/m between two byte values, truncated toward zero.
int mix(int from, int to, int j, int m) {
    return static_cast<int>(from + (to - from) * (static_cast<double>(j) / m));
}

} // namespace

TEST(DrawGradientLines, TwoColoursRunFromTheFirstToTheLastLine) {
    const platform::TColor from = rgb(157, 185, 235), to = rgb(61, 149, 255);
    const QRect rect(5, 4, 20, 10);
    const QImage image = draw(rect, false, {from, to});
    for (int x = rect.left(); x <= rect.right(); ++x) {
        EXPECT_EQ(image.pixel(x, 4), rgbOf(from));
        EXPECT_EQ(image.pixel(x, 13), rgbOf(to));
    }
    // Line 4 of 10: t = 4/9.
    EXPECT_EQ(image.pixel(10, 8),
              qRgb(mix(157, 61, 4, 9), mix(185, 149, 4, 9), mix(235, 255, 4, 9)));
    // Nothing outside the rectangle.
    EXPECT_EQ(image.pixel(4, 4), background);
    EXPECT_EQ(image.pixel(25, 4), background);
    EXPECT_EQ(image.pixel(10, 3), background);
    EXPECT_EQ(image.pixel(10, 14), background);
}

TEST(DrawGradientLines, VerticalLinesChangeFromLeftToRight) {
    const QImage image = draw(QRect(0, 0, 11, 5), true, {rgb(0, 0, 0), rgb(200, 100, 50)});
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(image.pixel(0, y), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(5, y), qRgb(100, 50, 25));
        EXPECT_EQ(image.pixel(10, y), qRgb(200, 100, 50));
    }
    EXPECT_EQ(image.pixel(11, 0), background);
}

TEST(DrawGradientLines, SegmentsShareTheirBoundaryColour) {
    const platform::TColor c0 = rgb(0, 0, 0), c1 = rgb(100, 200, 50), c2 = rgb(255, 255, 255);
    // Extent 10, two segments of 5: lines 0..5 from c0 to c1, then lines 5..9 from c1 to c2.
    const QImage image = draw(QRect(0, 0, 3, 10), false, {c0, c1, c2});
    EXPECT_EQ(image.pixel(1, 0), rgbOf(c0));
    EXPECT_EQ(image.pixel(1, 2), qRgb(mix(0, 100, 2, 5), mix(0, 200, 2, 5), mix(0, 50, 2, 5)));
    EXPECT_EQ(image.pixel(1, 5), rgbOf(c1));
    EXPECT_EQ(image.pixel(1, 7),
              qRgb(mix(100, 255, 2, 4), mix(200, 255, 2, 4), mix(50, 255, 2, 4)));
    EXPECT_EQ(image.pixel(1, 9), rgbOf(c2));
}

TEST(DrawGradientLines, SegmentLengthRoundsHalvesToEven) {
    const platform::TColor black = rgb(0, 0, 0), white = rgb(255, 255, 255);
    // Extent 10 over 4 segments: 2.5 rounds to 2, so the second colour first appears on line 2.
    QImage image = draw(QRect(0, 0, 2, 10), false, {black, white, black, white, black});
    EXPECT_EQ(image.pixel(0, 2), rgbOf(white));
    EXPECT_EQ(image.pixel(0, 4), rgbOf(black));
    // Extent 14 over 4 segments: 3.5 rounds to 4.
    image = draw(QRect(0, 0, 2, 14), false, {black, white, black, white, black});
    EXPECT_EQ(image.pixel(0, 4), rgbOf(white));
    EXPECT_EQ(image.pixel(0, 8), rgbOf(black));
    EXPECT_EQ(image.pixel(0, 13), rgbOf(black));
}

TEST(DrawGradientLines, ResolvesSystemColours) {
    const QImage image = draw(QRect(0, 0, 4, 4), false, {platform::clBtnFace, platform::clWindow});
    EXPECT_EQ(image.pixel(0, 0), qRgb(240, 240, 240));
    EXPECT_EQ(image.pixel(0, 3), qRgb(255, 255, 255));
}

TEST(DrawGradientLines, ManyColoursOnAShortExtentStayInsideTheRectangle) {
    const QImage image = draw(QRect(0, 0, 4, 3), false,
                              {rgb(10, 10, 10), rgb(20, 20, 20), rgb(30, 30, 30), rgb(40, 40, 40),
                               rgb(50, 50, 50), rgb(60, 60, 60)});
    for (int y = 3; y < 30; ++y)
        ASSERT_EQ(image.pixel(0, y), background) << y;
}

TEST(DrawGradientLines, FewerThanTwoColoursIsAMathError) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    const QPen pen(Qt::red, 3);
    painter.setPen(pen);
    for (const auto& colors :
         {std::vector<platform::TColor>{}, std::vector<platform::TColor>{platform::clBlack}}) {
        try {
            DrawGradientLines(painter, QRect(0, 0, 4, 4), false, colors);
            ADD_FAILURE() << "accepted " << colors.size() << " colours";
        } catch (const EMathError& e) {
            EXPECT_STREQ(e.what(), "Please specify at least two colors");
        }
    }
    DrawGradientLines(painter, QRect(0, 0, 4, 4), false, {platform::clBlack, platform::clWhite});
    EXPECT_EQ(painter.pen(), pen);
    painter.end();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
}
