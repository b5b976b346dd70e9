// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text layout of text objects. A text is laid out once with its font scaled to a working
// resolution of 600 dpi, independent of any output device; drawing then forces every line on the
// screen at any zoom and on any printer to the width and height the 600-dpi layout gave, spreading
// the rounding difference pixel by pixel over characters and line steps. So the preview and the
// paper break lines at the same characters and keep the same proportions.
//
// One instance serves all text objects of a report. For one object the calls come in this order:
// Lock; TakeFont, TakeOptions, TakeGaps, TakeRects, LayOutText; then DrawLaidOutText, CalcHeight,
// CalcWidth or LineStep; Unlock. A layout is valid until the next LayOutText.
#include "report/common/RpTypes.h"
#include "report/layout/RpMarkup.h"

#include "platform/Canvas.h"
#include "platform/RecordingCanvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace report {

class TrpFont;

class TrpDrawText {
public:
    static constexpr int WorkingResolution = 600;
    // Flags of a wrapped line.
    static constexpr int lineFirst = 1; // first line of a paragraph (a source line)
    static constexpr int lineLast = 2;  // last line of a paragraph

    TrpDrawText();
    TrpDrawText(const TrpDrawText&) = delete;
    TrpDrawText& operator=(const TrpDrawText&) = delete;

    // The process-wide instance, for text objects that lie in no report.
    static TrpDrawText& Shared();

    // The busy flag: Lock waits, processing pending events, until no layout is in progress, so
    // that a paint request arriving meanwhile never uses a half-built layout.
    void Lock();
    void Unlock();
    bool Busy() const { return busy_; }

    // Height -Round(Size * 600 / 72) on the measuring canvas.
    void TakeFont(const TrpFont& font);
    // Hyphenation (wordBreak) is accepted but not done: a word too long for a line is broken
    // between characters either way.
    void TakeOptions(bool wordWrap, bool allowHTMLTags, int rotation, bool wordBreak,
                     bool rtlReading);
    // Report units.
    void TakeGaps(double paragraphGap, double charSpacing, double lineSpacing);
    // The text rectangle at scale 1 (report units as pixels) and on the device.
    void TakeRects(double scaleX, double scaleY, const platform::Rect& unscaled,
                   const platform::Rect& device);
    void LayOutText(const std::vector<std::string>& lines);

    void DrawLaidOutText(platform::Canvas& canvas, TrpHAlign hAlign, TrpVAlign vAlign);

    // Measurements for preparation, in report units at scale 1.
    double LineStep() const;
    // Whether a line of the layout, aligned vertically so, fits the text rectangle: the middle of
    // its character height lies inside it. A line that does not fit is not drawn on any device,
    // so that a page and its text layer show the same lines.
    bool LineFits(int index, TrpVAlign vAlign) const;
    double CalcHeight() const;
    double CalcWidth();

    // The layout.
    int LineCount() const { return static_cast<int>(lines_.size()); }
    std::string_view Line(int index) const;
    int LineFlags(int index) const { return lines_[static_cast<size_t>(index)].flags; }
    // The attributes of character k of a line.
    TrpHTMLTag Tag(int line, int k) const;
    // The measuring font's character height at 600 dpi.
    int FontHeight() const { return measuringFont_.pixelHeight; }
    // Pixels per inch of report units: the measuring canvas's resolution.
    int ScreenResolution() const { return screenResolution_; }
    platform::Canvas& MeasuringCanvas() { return measuringCanvas_; }

private:
    struct WrappedLine {
        int begin = 0; // into chars_ and the tags
        int length = 0;
        int flags = 0;
    };
    struct MeasuredStyle {
        int style = 0;
        std::vector<int> raw;
    };

    void wrapSourceLine(int begin, int length, int maxWidth, int firstWidth, int spacing);
    void addLine(int begin, int length);
    // Widths of characters begin..begin + length - 1 in the font (its name and height) with each
    // character's own style, plus spacing; running sums with accumulate. Returns the total. Each
    // distinct style measures the whole range once, so rounding matches a measurement of the
    // whole line in that style.
    int MeasureCharacters(int begin, int length, bool accumulate, int spacing,
                          platform::Canvas& canvas, const platform::CanvasFont& font,
                          std::vector<int>& widths);
    void DrawOneLine(platform::Canvas& canvas, const WrappedLine& line, TrpHAlign align, int width,
                     int x, int y);
    int deviceFontHeight(const platform::Canvas& canvas, int size) const;
    int spacing600() const;

    bool busy_ = false;
    platform::RecordingCanvas measuringCanvas_;
    int screenResolution_ = 96;
    platform::CanvasFont measuringFont_;
    int fontSize_ = 10; // points

    TrpHTMLTagsList tags_;
    bool allowTags_ = false;
    bool wordWrap_ = true;
    bool rtlReading_ = false;
    int rotation_ = 0;
    double cos_ = 1, sin_ = 0; // of the rotation, exact for right angles
    double paragraphGap_ = 0, charSpacing_ = 0, lineSpacing_ = 0;
    double scaleX_ = 1, scaleY_ = 1;
    platform::Rect unscaledRect_, deviceRect_;

    std::string chars_; // the plain characters of all source lines
    std::vector<WrappedLine> lines_;
    std::vector<int> positions_; // scratch: character positions or widths
    std::vector<int> deviceWidths_;
    std::vector<int> steps_;
    std::vector<MeasuredStyle> measured_;
};

// Holds the busy flag of a layout for a scope, also when drawing fails.
class TrpDrawTextLock {
public:
    explicit TrpDrawTextLock(TrpDrawText& drawText) : drawText_(drawText) { drawText_.Lock(); }
    ~TrpDrawTextLock() { drawText_.Unlock(); }
    TrpDrawTextLock(const TrpDrawTextLock&) = delete;
    TrpDrawTextLock& operator=(const TrpDrawTextLock&) = delete;

private:
    TrpDrawText& drawText_;
};

} // namespace report
