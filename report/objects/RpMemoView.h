// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text object. Its text is Memo, a list of lines; bracketed expressions in it are expanded for
// every output (FillValue). Laying the text out and drawing it is the job of the report's shared
// text-layout object, which reads the fields below.
#include "report/expressions/RpFormat.h"
#include "report/expressions/RpVariant.h"
#include "report/objects/RpHighlight.h"
#include "report/objects/RpView.h"

#include <string>
#include <vector>

namespace report {

class TrpDrawText;

class TrpCustomMemoView : public TrpStretcheable {
public:
    explicit TrpCustomMemoView(TrpComponent* owner = nullptr);

    bool AutoWidth = false;
    bool AllowExpressions = true;
    bool AllowHTMLTags = false;
    double CharSpacing = 0;
    TrpFormat DisplayFormat;
    std::string ExpressionDelimiters = "[,]";
    std::string FlowTo; // name of the text object that takes the overflow; not used here
    double GapX = 2;
    double GapY = 1;
    TrpHAlign HAlign = haLeft;
    bool HideZeros = false;
    TrpHighlight Highlight;
    double LineSpacing = 2;
    std::vector<std::string> Memo;
    double ParagraphGap = 0;
    bool RTLReading = false;
    bool SuppressRepeated = false;
    bool Underlines = false;
    bool WordBreak = false;
    bool WordWrap = true;
    TrpVAlign VAlign = vaTop;

    int Rotation() const { return rotation_; }
    void SetRotation(int degrees); // kept modulo 360
    const std::string& Style() const { return style_; }
    // Names a report style; its colour, font and frame are copied in when it exists.
    void SetStyle(const std::string& name);

    // Memo with a carriage return and line feed after every line, and the reverse.
    std::string Text() const;
    void SetText(const std::string& text);

    // The value of the last expression expanded; null until then.
    TrpVariant LastValue = TrpVariant::Null();
    // The text area in device pixels, computed with the view rectangle.
    platform::Rect TextRect;
    // The number of prepared pages, given by the prepared-pages store before drawing.
    int PreparedPageCount = 0;

    // The view rectangle, then the text area inside the gaps and the framed sides' half widths.
    void ComputeDeviceRect(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                           double offsetY) override;
    // The background and frame, the rules of Underlines and the laid-out text; with AutoWidth the
    // object first takes the width of its text.
    void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
              double offsetY) override;
    // The height of the wrapped text and the width of its longest line, with the inner margins,
    // rounded to whole report units.
    double CalcHeight() override;
    double CalcWidth() override;
    // The lines of text, laid out as they will be drawn, that do not fit the text area (one per
    // line, blank lines left out); empty when all of it fits.
    std::string TextThatDoesNotFit();
    void SaveOutputState() override;
    void RestoreOutputState() override;
    void FillValue() override;
    std::string SearchableText() const override { return Text(); }
    // The report's text layout, or the process-wide one for an object that lies in no report.
    TrpDrawText& TextLayout() const;

    const char* ClassName() const override { return "TrpCustomMemoView"; }

    // The value of one bracketed expression formatted for printing (" #" format suffix,
    // DisplayFormat, HideZeros); remembers the value in LastValue.
    std::string EvaluateAndFormat(const std::string& content);

    void DefineProperties(TrpPropertyList& properties) override;

protected:
    void appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly) override;
    bool diffWritesWidth() const override { return !AutoWidth; }

private:
    // Hands the font (the highlight's while it is active), options and gaps to the layout.
    void takeLayoutSettings(TrpDrawText& drawText) const;
    // Settings, AutoWidth, both text rectangles and the layout of lines, for drawing at a scale.
    void layOutForDrawing(TrpDrawText& drawText, platform::Canvas& canvas, double scaleX,
                          double scaleY, double offsetX, double offsetY,
                          const std::vector<std::string>& lines);
    void paintUnderlines(double lineStep);
    // Inner margins and framed half widths around the text, report units.
    double horizontalExtra() const;
    double verticalExtra() const;

    int rotation_ = 0;
    std::string style_;
    std::vector<std::string> savedMemo_;
    std::string previousText_;
};

class TrpMemoView : public TrpCustomMemoView {
public:
    using TrpCustomMemoView::TrpCustomMemoView;
    const char* ClassName() const override { return "TrpMemoView"; }
};

} // namespace report
