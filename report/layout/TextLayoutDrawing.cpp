// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a laid-out text: every device gets the 600-dpi layout's line breaks, and each line and
// line step is forced to the width and height that layout gave, scaled to the device.
#include "report/layout/RpSpreadPixels.h"
#include "report/layout/TextLayout.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace report {
namespace {

int signOf(int value) {
    return (value > 0) - (value < 0);
}

bool isBlank(char c) {
    return c == ' ' || c == '\xA0'; // the no-break space stretches too
}

} // namespace

// Printers get the font at their own resolution, other devices scaled with the zoom.
int TrpDrawText::deviceFontHeight(const platform::Canvas& canvas, int size) const {
    return canvas.isPrinter() ? rpRound(size * canvas.dpiY() / 72.0)
                              : rpRound(size * scaleY_ * canvas.dpiY() / 72.0);
}

void TrpDrawText::DrawLaidOutText(platform::Canvas& canvas, TrpHAlign hAlign, TrpVAlign vAlign) {
    if (lines_.empty())
        return;
    const platform::CanvasFont savedFont = canvas.font();
    const platform::BackgroundMode savedMode = canvas.backgroundMode();
    const int n = LineCount();
    const double ratio = double(WorkingResolution) / canvas.dpiY();
    const int height600 = measuringFont_.pixelHeight;
    const int total = canvas.isPrinter()
                          ? rpRound(lineSpacing_ * scaleY_ * n + height600 * n / ratio)
                          : rpRound((lineSpacing_ * n + height600 * n / ratio) * scaleY_);
    const int step = deviceFontHeight(canvas, fontSize_) + rpRound(lineSpacing_ * scaleY_);
    // The rounding error of the whole height goes, pixel by pixel, into the steps between lines
    // (whole pixels for every step first when it is larger than their number).
    steps_.assign(static_cast<size_t>(n), step);
    const int error = total - n * step;
    SpreadPixels(steps_, 0, n - 2, signOf(error), std::abs(error));

    // The box the lines fill, turned with the text about the rectangle's centre: for 90 degrees
    // the text starts at the bottom-left corner, for 180 at the bottom-right, for 270 at the
    // top-right, and lines advance along the turned "down" direction (sin, cos).
    const platform::Rect& r = deviceRect_;
    const bool across = (rotation_ >= 90 && rotation_ < 180) || rotation_ >= 270;
    const int width = across ? r.height() : r.width();
    const int height = across ? r.width() : r.height();
    const double u = -width / 2.0, v = -height / 2.0;
    int x = rpRound((r.left + r.right) / 2.0 + u * cos_ + v * sin_);
    int y = rpRound((r.top + r.bottom) / 2.0 - u * sin_ + v * cos_);
    const int shift = vAlign == vaBottom   ? height - total
                      : vAlign == vaCenter ? rpRound((height - total) / 2.0)
                                           : 0;
    x += rpRound(shift * sin_);
    y += rpRound(shift * cos_);

    canvas.setBackgroundMode(platform::BackgroundMode::Transparent);
    for (int j = 0; j < n; ++j) {
        const WrappedLine& line = lines_[static_cast<size_t>(j)];
        const int indent = (line.flags & lineFirst) && (hAlign == haLeft || hAlign == haBlock)
                               ? rpRound(paragraphGap_ * scaleX_)
                               : 0;
        TrpHAlign align = hAlign;
        if (hAlign == haBlock && (line.flags & lineLast))
            align = rtlReading_ ? haRight : haLeft;
        if (LineFits(j, vAlign))
            DrawOneLine(canvas, line, align, width - indent, x + rpRound(indent * cos_),
                        y - rpRound(indent * sin_));
        const int lineStep = steps_[static_cast<size_t>(j)];
        y += rpRound(lineStep * cos_);
        x += rpRound(lineStep * sin_);
    }
    canvas.setFont(savedFont);
    canvas.setBackgroundMode(savedMode);
}

void TrpDrawText::DrawOneLine(platform::Canvas& canvas, const WrappedLine& line, TrpHAlign align,
                              int width, int x, int y) {
    const int n = line.length;
    if (n == 0)
        return;
    const int ideal600 = MeasureCharacters(line.begin, n, false, spacing600(), measuringCanvas_,
                                           measuringFont_, positions_);
    platform::CanvasFont deviceFont = measuringFont_;
    deviceFont.pixelHeight = deviceFontHeight(canvas, fontSize_);
    deviceFont.escapement = rotation_ * 10;
    const int measured = MeasureCharacters(line.begin, n, false, rpRound(charSpacing_ * scaleX_),
                                           canvas, deviceFont, deviceWidths_);
    const double ideal = ideal600 * double(canvas.dpiX()) / WorkingResolution;
    const int target = canvas.isPrinter() ? rpRound(ideal) : rpRound(ideal * scaleX_);

    int shift = 0;
    if (align == haRight)
        shift = width - target + 1;
    else if (align == haCenter)
        shift = rpRound((width - target) / 2.0);
    x += rpRound(shift * cos_);
    y -= rpRound(shift * sin_);

    const std::string_view text = Line(static_cast<int>(&line - lines_.data()));
    const std::span<int> widths(deviceWidths_.data(), static_cast<size_t>(n));
    const int blanks =
        align == haBlock ? static_cast<int>(std::count_if(text.begin(), text.end(), isBlank)) : 0;
    if (blanks > 0) {
        // Justified: only the blanks change, so that the line ends where a right-aligned one
        // ends, one pixel beyond the width. The change d + 1 is what that takes also when the
        // device glyphs come out wider than the width (d < 0) or exactly as wide (d = 0).
        const int change = std::abs(width) - measured + 1;
        const int unit = signOf(change), each = std::abs(change) / blanks;
        int further = std::abs(change) % blanks;
        for (int k = 0; k < n; ++k) {
            if (!isBlank(text[static_cast<size_t>(k)]))
                continue;
            widths[static_cast<size_t>(k)] += unit * each + (further > 0 ? unit : 0);
            --further;
        }
    } else {
        const int d = target - measured;
        SpreadPixels(widths, 0, n - 1, signOf(d), std::abs(d));
    }

    // Runs of characters with equal attributes, each with its own font, colour and offset.
    const std::vector<TrpHTMLTagsList::Run>& runs = tags_.Runs();
    const unsigned options =
        platform::textClipped | (rtlReading_ ? unsigned(platform::textRtlReading) : 0u);
    for (size_t r = tags_.RunAt(line.begin), start = 0; start < text.size(); ++r) {
        const size_t end =
            r + 1 < runs.size()
                ? std::min(static_cast<size_t>(runs[r + 1].Start - line.begin), text.size())
                : text.size();
        const TrpHTMLTag& tag = runs[r].Tag;
        platform::CanvasFont font = deviceFont;
        font.pixelHeight = deviceFontHeight(canvas, tag.Size);
        font.style = tag.Style;
        font.color = tag.Color;
        canvas.setFont(font);
        const int offset = tag.Subscript ? rpRound(tag.Size * scaleY_) : 0;
        const std::span<const int> advances = widths.subspan(start, end - start);
        canvas.textOut(x + rpRound(offset * sin_), y + rpRound(offset * cos_),
                       text.substr(start, end - start), advances, deviceRect_, options);
        const int runWidth = std::accumulate(advances.begin(), advances.end(), 0);
        x += rpRound(runWidth * cos_);
        y -= rpRound(runWidth * sin_);
        start = end;
    }
}

} // namespace report
