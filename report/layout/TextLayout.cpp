// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/layout/TextLayout.h"

#include "report/common/RpFont.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace report {

TrpDrawText::TrpDrawText()
    : measuringCanvas_(96, 96, false)
    , screenResolution_(measuringCanvas_.dpiY()) {}

TrpDrawText& TrpDrawText::Shared() {
    static TrpDrawText shared;
    return shared;
}

void TrpDrawText::Lock() {
    while (busy_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    busy_ = true;
}

void TrpDrawText::Unlock() {
    busy_ = false;
}

void TrpDrawText::TakeFont(const TrpFont& font) {
    fontSize_ = font.Size;
    measuringFont_ = font.canvasFont(rpRound(font.Size * double(WorkingResolution) / 72));
    measuringCanvas_.setFont(measuringFont_);
}

void TrpDrawText::TakeOptions(bool wordWrap, bool allowHTMLTags, int rotation, bool /*wordBreak*/,
                              bool rtlReading) {
    wordWrap_ = wordWrap;
    allowTags_ = allowHTMLTags;
    rotation_ = ((rotation % 360) + 360) % 360;
    rtlReading_ = rtlReading;
    switch (rotation_) {
    case 0:
        cos_ = 1, sin_ = 0;
        break;
    case 90:
        cos_ = 0, sin_ = 1;
        break;
    case 180:
        cos_ = -1, sin_ = 0;
        break;
    case 270:
        cos_ = 0, sin_ = -1;
        break;
    default:
        cos_ = std::cos(rotation_ * std::numbers::pi / 180);
        sin_ = std::sin(rotation_ * std::numbers::pi / 180);
    }
}

void TrpDrawText::TakeGaps(double paragraphGap, double charSpacing, double lineSpacing) {
    paragraphGap_ = paragraphGap;
    charSpacing_ = charSpacing;
    lineSpacing_ = lineSpacing;
}

void TrpDrawText::TakeRects(double scaleX, double scaleY, const platform::Rect& unscaled,
                            const platform::Rect& device) {
    scaleX_ = scaleX;
    scaleY_ = scaleY;
    unscaledRect_ = unscaled;
    deviceRect_ = device;
}

int TrpDrawText::spacing600() const {
    return rpRound(WorkingResolution * charSpacing_ / screenResolution_);
}

void TrpDrawText::LayOutText(const std::vector<std::string>& lines) {
    lines_.clear();
    chars_.clear();
    tags_.Start(allowTags_, measuringFont_.color, fontSize_, measuringFont_.style);
    if (lines.empty())
        return;
    const bool across = (rotation_ >= 90 && rotation_ < 180) || rotation_ >= 270;
    const int w = across ? unscaledRect_.height() : unscaledRect_.width();
    const double toWorking = double(WorkingResolution) / screenResolution_;
    const int maxWidth = rpRound(w * toWorking);
    const int firstWidth = rpRound((w - paragraphGap_) * toWorking);
    const int spacing = spacing600();
    for (const std::string& line : lines) {
        const int begin = static_cast<int>(chars_.size());
        // An empty line is laid out as one blank.
        tags_.StripMarkup(line.empty() ? std::string_view(" ") : std::string_view(line), chars_);
        const size_t first = lines_.size();
        wrapSourceLine(begin, static_cast<int>(chars_.size()) - begin, maxWidth, firstWidth,
                       spacing);
        lines_[first].flags |= lineFirst;
        lines_.back().flags |= lineLast;
    }
    measuringCanvas_.setFont(measuringFont_);
}

void TrpDrawText::addLine(int begin, int length) {
    lines_.push_back({begin, length, 0});
}

// Breaks at the last blank that still fits, the blank itself dropped; a word without a blank
// before it is broken before its first character that does not fit, and a character wider than
// the whole width stands alone.
void TrpDrawText::wrapSourceLine(int begin, int length, int maxWidth, int firstWidth, int spacing) {
    if (!wordWrap_ || length <= 1) {
        addLine(begin, length);
        return;
    }
    const int total = MeasureCharacters(begin, length, true, spacing, measuringCanvas_,
                                        measuringFont_, positions_);
    if (total < firstWidth) {
        addLine(begin, length);
        return;
    }
    const char* text = chars_.data() + begin;
    const int* position = positions_.data();
    int start = 0, blank = 0, consumed = 0, allowed = firstWidth;
    for (int i = 0; i < length; ++i) {
        if (text[i] == ' ')
            blank = i;
        if (position[i] - consumed <= allowed)
            continue;
        if (blank == start) {
            if (i == start) {
                addLine(begin + start, 1);
            } else {
                addLine(begin + start, i - start);
                blank = i - 1;
            }
        } else {
            addLine(begin + start, blank - start);
        }
        i = blank;
        consumed = position[blank];
        start = blank + 1;
        blank = start;
        allowed = maxWidth;
    }
    // After a break at the very last blank nothing remains, and no empty line follows.
    if (start < length)
        addLine(begin + start, length - start);
}

int TrpDrawText::MeasureCharacters(int begin, int length, bool accumulate, int spacing,
                                   platform::Canvas& canvas, const platform::CanvasFont& font,
                                   std::vector<int>& widths) {
    widths.resize(static_cast<size_t>(std::max(length, 0)));
    if (length <= 0)
        return 0;
    const std::string_view text(chars_.data() + begin, static_cast<size_t>(length));
    const std::vector<TrpHTMLTagsList::Run>& runs = tags_.Runs();
    constexpr int shapeBits = platform::fontBold | platform::fontItalic;
    size_t measuredCount = 0;
    int sum = 0;
    for (size_t r = tags_.RunAt(begin), i = 0; i < text.size(); ++r) {
        const size_t runEnd =
            r + 1 < runs.size()
                ? std::min(static_cast<size_t>(runs[r + 1].Start - begin), text.size())
                : text.size();
        const TrpHTMLTag& tag = runs[r].Tag;
        const int style = tag.Style & shapeBits;
        auto known = std::find_if(measured_.begin(), measured_.begin() + measuredCount,
                                  [&](const MeasuredStyle& m) { return m.style == style; });
        if (known == measured_.begin() + measuredCount) {
            if (measuredCount == measured_.size())
                measured_.emplace_back();
            known = measured_.begin() + measuredCount++;
            platform::CanvasFont styled = font;
            styled.style = (font.style & ~shapeBits) | style;
            canvas.setFont(styled);
            known->style = style;
            known->raw = canvas.textExtents(text);
        }
        const int* raw = known->raw.data();
        for (; i < runEnd; ++i) {
            int width = raw[i] - (i > 0 ? raw[i - 1] : 0) + spacing;
            if (tag.ReducedSize)
                width = rpRound(width / 1.5);
            sum += width;
            widths[i] = accumulate ? sum : width;
        }
    }
    return sum;
}

double TrpDrawText::LineStep() const {
    return measuringFont_.pixelHeight * double(screenResolution_) / WorkingResolution +
           lineSpacing_;
}

bool TrpDrawText::LineFits(int index, TrpVAlign vAlign) const {
    const bool across = (rotation_ >= 90 && rotation_ < 180) || rotation_ >= 270;
    const double height = across ? unscaledRect_.width() : unscaledRect_.height();
    const double shift = vAlign == vaBottom   ? height - CalcHeight()
                         : vAlign == vaCenter ? (height - CalcHeight()) / 2
                                              : 0;
    const double middle =
        shift + index * LineStep() +
        measuringFont_.pixelHeight * double(screenResolution_) / WorkingResolution / 2;
    return middle >= 0 && middle <= height;
}

double TrpDrawText::CalcHeight() const {
    return lines_.empty() ? 0 : LineCount() * LineStep();
}

double TrpDrawText::CalcWidth() {
    const double toWorking = double(WorkingResolution) / screenResolution_;
    int widest = 0;
    for (const WrappedLine& line : lines_) {
        int width = MeasureCharacters(line.begin, line.length, false, 0, measuringCanvas_,
                                      measuringFont_, positions_) +
                    rpRound(line.length * charSpacing_ * toWorking);
        if (line.flags & lineFirst)
            width += rpRound(paragraphGap_ * toWorking);
        widest = std::max(widest, width);
    }
    measuringCanvas_.setFont(measuringFont_);
    return widest / toWorking;
}

std::string_view TrpDrawText::Line(int index) const {
    const WrappedLine& line = lines_[static_cast<size_t>(index)];
    return std::string_view(chars_).substr(static_cast<size_t>(line.begin),
                                           static_cast<size_t>(line.length));
}

TrpHTMLTag TrpDrawText::Tag(int line, int k) const {
    return tags_.TagAt(lines_[static_cast<size_t>(line)].begin + k);
}

} // namespace report
