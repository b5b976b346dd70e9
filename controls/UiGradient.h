// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gradient of a caption's fill: a list of band colours between a start and an end colour, and
// the bands painted across a rectangle.
#include "controls/UiPersistent.h"
#include "platform/Color.h"

#include <QRect>
#include <vector>

class QPainter;

namespace controls {

// Only gstHorizontal and gstVertical have a look of their own; the others paint as gstVertical.
enum TUiGradientStyle {
    gstHorizontal,
    gstVertical,
    gstSquare,
    gstElliptic,
    gstTopLeft,
    gstTopRight,
    gstBottomLeft,
    gstBottomRight,
    gstTopLeftDiagonal,
    gstTopRightDiagonal
};

class TUiGradient : public TUiPersistent {
public:
    TUiGradient();

    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color);
    platform::TColor EndColor() const { return endColor_; }
    void SetEndColor(platform::TColor color);
    TUiGradientStyle Style() const { return style_; }
    void SetStyle(TUiGradientStyle style);
    // 2..236; other values are brought into that range.
    int ColorCount() const { return colorCount_; }
    void SetColorCount(int count);

    // The band colours (ColorCount of them, red/green/blue), the first being Color.
    const std::vector<platform::TColor>& Colors() const { return colors_; }

    // Colour i has each channel S + MulDiv(i, E - S, n - 1), kept to its low 8 bits.
    void BuildGradientColors();

    // Band i covers rows (columns for gstHorizontal) MulDiv(i, h, n) up to MulDiv(i + 1, h, n),
    // filled from the last band to the first. With offScreen the bands are painted into an image
    // first and copied in one step, so no partial gradient is ever visible.
    void PaintGradientBands(QPainter& canvas, const QRect& rect, bool offScreen) const;

private:
    void rebuildAndReport();

    platform::TColor color_ = 0x00FF0000; // blue
    platform::TColor endColor_ = platform::clBlack;
    TUiGradientStyle style_ = gstVertical;
    int colorCount_ = 16;
    std::vector<platform::TColor> colors_;
};

} // namespace controls
