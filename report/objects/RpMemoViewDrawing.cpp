// SPDX-License-Identifier: GPL-3.0-or-later
// How a text object hands itself to the text layout: for drawing, and for the height and width
// its text needs during preparation.
#include "report/layout/TextLayout.h"
#include "report/objects/RpCustomReport.h"
#include "report/objects/RpMemoView.h"

#include <algorithm>

namespace report {
namespace {

// Laid out this wide, a text breaks only at its line ends.
constexpr platform::Rect unboundedRect{0, 0, 10000, 10000};

// The first "[TOTALPAGES#]" of the text, ignoring case, becomes the number of prepared pages.
bool replaceTotalPages(const std::vector<std::string>& memo, int pages,
                       std::vector<std::string>& replaced) {
    static constexpr std::string_view marker = "[TOTALPAGES#]";
    const auto sameIgnoringCase = [](char a, char b) {
        return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b;
    };
    for (size_t line = 0; line < memo.size(); ++line) {
        const std::string& text = memo[line];
        const auto at =
            std::search(text.begin(), text.end(), marker.begin(), marker.end(), sameIgnoringCase);
        if (at == text.end())
            continue;
        replaced = memo;
        replaced[line].replace(static_cast<size_t>(at - text.begin()), marker.size(),
                               std::to_string(pages));
        return true;
    }
    return false;
}

} // namespace

TrpDrawText& TrpCustomMemoView::TextLayout() const {
    TrpCustomReport* report = Report();
    return report ? report->DrawText() : TrpDrawText::Shared();
}

double TrpCustomMemoView::horizontalExtra() const {
    return 2 * GapX + (Frame.has(ftLeft) ? (Frame.Width - 1) / 2 : 0) +
           (Frame.has(ftRight) ? Frame.Width / 2 : 0) + (Frame.DropShadow ? Frame.ShadowWidth : 0);
}

double TrpCustomMemoView::verticalExtra() const {
    return 2 * GapY + (Frame.has(ftTop) ? (Frame.Width - 1) / 2 : 0) +
           (Frame.has(ftBottom) ? Frame.Width / 2 : 0) + (Frame.DropShadow ? Frame.ShadowWidth : 0);
}

void TrpCustomMemoView::takeLayoutSettings(TrpDrawText& drawText) const {
    drawText.TakeFont(Highlight.Active ? Highlight.Font : Font());
    drawText.TakeOptions(WordWrap, AllowHTMLTags, Rotation(), WordBreak, RTLReading);
    drawText.TakeGaps(ParagraphGap, CharSpacing, LineSpacing);
}

void TrpCustomMemoView::layOutForDrawing(TrpDrawText& drawText, platform::Canvas& canvas,
                                         double scaleX, double scaleY, double offsetX,
                                         double offsetY, const std::vector<std::string>& lines) {
    takeLayoutSettings(drawText);
    if (AutoWidth) {
        drawText.TakeRects(1, 1, unboundedRect, unboundedRect);
        drawText.LayOutText(lines);
        const double width = drawText.CalcWidth() + horizontalExtra();
        const double growth = width - Width;
        Width = width;
        if (HAlign == haRight)
            Left -= growth;
        else if (HAlign == haCenter)
            Left -= growth / 2;
    }
    // The scale-1 rectangle first, so that the view keeps the device rectangle for its frame.
    ComputeDeviceRect(canvas, 1, 1, 0, 0);
    const platform::Rect unscaled = TextRect;
    ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
    drawText.TakeRects(scaleX, scaleY, unscaled, TextRect);
    drawText.LayOutText(lines);
}

void TrpCustomMemoView::Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                             double offsetY) {
    std::vector<std::string> withPageCount;
    const bool replaced = !InEditor && replaceTotalPages(Memo, PreparedPageCount, withPageCount);
    const std::vector<std::string>& lines = replaced ? withPageCount : Memo;

    TrpDrawText& drawText = TextLayout();
    TrpDrawTextLock lock(drawText);
    // The highlight's colour stands in for the object's own during this drawing only.
    struct ColorRestorer {
        platform::TColor& color;
        platform::TColor saved;
        ~ColorRestorer() { color = saved; }
    } restorer{Color, Color};
    if (Highlight.Active)
        Color = Highlight.Color;

    layOutForDrawing(drawText, canvas, scaleX, scaleY, offsetX, offsetY, lines);
    PaintFill();
    PaintFrame();
    if (Underlines && Rotation() == 0)
        paintUnderlines(drawText.LineStep());
    drawText.DrawLaidOutText(canvas, HAlign, VAlign);
}

// Rules across the whole object, one line step apart, as far down as the object reaches.
void TrpCustomMemoView::paintUnderlines(double lineStep) {
    const double step = lineStep * ScaleY;
    if (Frame.Color == platform::clNone || step <= 0)
        return;
    Canvas->setPen(
        {Frame.Color, DRect.FrameWidth, platform::PenStyle::Solid, platform::PenMode::Copy});
    for (int k = 1;; ++k) {
        const int y = rpRound(DRect.Y + k * step);
        if (y >= DRect.Y1)
            break;
        Canvas->line({DRect.X, y}, {DRect.X1, y});
    }
}

double TrpCustomMemoView::CalcHeight() {
    TrpDrawText& drawText = TextLayout();
    TrpDrawTextLock lock(drawText);
    takeLayoutSettings(drawText);
    platform::Rect rect = unboundedRect;
    if (!AutoWidth) {
        ComputeDeviceRect(drawText.MeasuringCanvas(), 1, 1, 0, 0);
        rect = TextRect;
    }
    drawText.TakeRects(1, 1, rect, rect);
    drawText.LayOutText(Memo);
    return rpRound(drawText.CalcHeight() + verticalExtra());
}

std::string TrpCustomMemoView::TextThatDoesNotFit() {
    TrpDrawText& drawText = TextLayout();
    TrpDrawTextLock lock(drawText);
    takeLayoutSettings(drawText);
    ComputeDeviceRect(drawText.MeasuringCanvas(), 1, 1, 0, 0);
    // With AutoWidth the text takes its own width when drawn, so only its height can overflow.
    const platform::Rect rect = AutoWidth ? platform::Rect{TextRect.left, TextRect.top,
                                                           unboundedRect.right, TextRect.bottom}
                                          : TextRect;
    drawText.TakeRects(1, 1, rect, rect);
    drawText.LayOutText(Memo);
    std::string lost;
    for (int j = 0; j < drawText.LineCount(); ++j) {
        const std::string_view line = drawText.Line(j);
        if (drawText.LineFits(j, VAlign) ||
            line.find_first_not_of(" \xA0") == std::string_view::npos)
            continue;
        if (!lost.empty())
            lost += '\n';
        lost += line;
    }
    return lost;
}

double TrpCustomMemoView::CalcWidth() {
    TrpDrawText& drawText = TextLayout();
    TrpDrawTextLock lock(drawText);
    takeLayoutSettings(drawText);
    drawText.TakeRects(1, 1, unboundedRect, unboundedRect);
    drawText.LayOutText(Memo);
    return rpRound(drawText.CalcWidth() + horizontalExtra());
}

} // namespace report
