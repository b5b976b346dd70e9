// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpMemoView.h"

#include "report/common/RpProperties.h"
#include "report/expressions/RpExpressions.h"
#include "report/objects/RpCustomReport.h"
#include "report/objects/RpStyles.h"
#include "report/xml/RpDiffWriter.h"

namespace report {

TrpCustomMemoView::TrpCustomMemoView(TrpComponent* owner) : TrpStretcheable(owner) {}

void TrpCustomMemoView::SetRotation(int degrees) {
    rotation_ = ((degrees % 360) + 360) % 360;
}

void TrpCustomMemoView::SetStyle(const std::string& name) {
    style_ = name;
    const TrpCustomReport* report = Report();
    if (!report)
        return;
    if (const TrpStyleItem* item = report->FindStyle(name)) {
        Color = item->Color;
        SetFont(item->Font);
        Frame = item->Frame;
    }
}

std::string TrpCustomMemoView::Text() const {
    return linesText(Memo);
}

void TrpCustomMemoView::SetText(const std::string& text) {
    Memo = textToLines(text);
}

void TrpCustomMemoView::ComputeDeviceRect(platform::Canvas& canvas, double scaleX, double scaleY,
                                          double offsetX, double offsetY) {
    TrpView::ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
    const double w = Frame.Width;
    const int gx = rpRound(scaleX * GapX), gy = rpRound(scaleY * GapY);
    const TrpDeviceRect& r = DRect;
    TextRect.left = r.X + gx + (Frame.has(ftLeft) ? rpRound((scaleX * w - 1) / 2) : 0);
    TextRect.top = r.Y + gy + (Frame.has(ftTop) ? rpRound((scaleY * w - 1) / 2) : 0);
    TextRect.right = r.X1 - gx + 1 - (Frame.has(ftRight) ? rpRound(scaleX * w / 2) : 0);
    TextRect.bottom = r.Y1 - gy + 1 - (Frame.has(ftBottom) ? rpRound(scaleY * w / 2) : 0);
}

void TrpCustomMemoView::SaveOutputState() {
    TrpStretcheable::SaveOutputState();
    savedMemo_ = Memo;
}

void TrpCustomMemoView::RestoreOutputState() {
    TrpStretcheable::RestoreOutputState();
    Memo = savedMemo_;
}

std::string TrpCustomMemoView::EvaluateAndFormat(const std::string& content) {
    TrpFormat format;
    format.Kind = DisplayFormat.Kind;
    format.FormatStr = DisplayFormat.FormatStr;
    format.DecimalSeparator = DisplayFormat.DecimalSeparator;
    const std::string expression = SplitFormatSuffix(content, format);
    TrpCustomReport* report = Report();
    if (sameTextIgnoringCase(expression, "TOTALPAGES#"))
        LastValue = std::string("[TotalPages#]"); // filled in when the page is drawn
    else
        LastValue = report ? report->Calc(expression) : TrpVariant::Null();
    if (HideZeros && !LastValue.isString() && IsZeroValue(LastValue))
        return {};
    return FormatExpressionValue(LastValue, format);
}

void TrpCustomMemoView::FillValue() {
    TrpStretcheable::FillValue();
    TrpCustomReport* report = Report();
    if (!report)
        return;
    if (AllowExpressions) {
        const size_t comma = ExpressionDelimiters.find(',');
        const std::string open = ExpressionDelimiters.substr(0, comma);
        const std::string close =
            comma == std::string::npos ? std::string() : ExpressionDelimiters.substr(comma + 1);
        const std::string text = Text();
        if (!open.empty() && !close.empty() && text.find(open) != std::string::npos)
            SetText(ExpandDelimited(text, open, close,
                                    [this](const std::string& e) { return EvaluateAndFormat(e); }));
    }
    report->SetScriptValue(LastValue);
    Highlight.Active = false;
    if (!Highlight.Condition.empty())
        Highlight.Active = report->Calc(Highlight.Condition).toBoolean();
    if (SuppressRepeated) {
        const std::string text = Text();
        if (text == previousText_)
            Memo.clear();
        else
            previousText_ = text;
    }
}

void TrpCustomMemoView::appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly) {
    TrpStretcheable::appendDiff(diff, source, commonOnly);
    if (commonOnly)
        return;
    const auto* s = dynamic_cast<const TrpCustomMemoView*>(&source);
    const int hAlign = HAlign, vAlign = VAlign;
    const int theirHAlign = s ? s->HAlign : 0, theirVAlign = s ? s->VAlign : 0;
    const int theirRotation = s ? s->rotation_ : 0;
    diff.boolean("AutoWidth", AutoWidth, s ? &s->AutoWidth : nullptr);
    diff.number("CharSpacing", CharSpacing, s ? &s->CharSpacing : nullptr);
    diff.number("GapX", GapX, s ? &s->GapX : nullptr);
    diff.number("GapY", GapY, s ? &s->GapY : nullptr);
    diff.integer("HAlign", hAlign, s ? &theirHAlign : nullptr);
    diff.boolean("Highlight.Active", Highlight.Active, s ? &s->Highlight.Active : nullptr);
    diff.number("LineSpacing", LineSpacing, s ? &s->LineSpacing : nullptr);
    // The text always: its only line, or the whole text without the last line break.
    std::string text = Text();
    if (text.size() >= 2)
        text.resize(text.size() - 2);
    diff.string("x", text, nullptr, true);
    diff.number("ParagraphGap", ParagraphGap, s ? &s->ParagraphGap : nullptr);
    diff.integer("Rotation", rotation_, s ? &theirRotation : nullptr);
    diff.boolean("RTLReading", RTLReading, s ? &s->RTLReading : nullptr);
    diff.boolean("Underlines", Underlines, s ? &s->Underlines : nullptr);
    diff.integer("VAlign", vAlign, s ? &theirVAlign : nullptr);
    diff.boolean("WordWrap", WordWrap, s ? &s->WordWrap : nullptr);
}

void TrpCustomMemoView::DefineProperties(TrpPropertyList& properties) {
    TrpStretcheable::DefineProperties(properties);
    properties.boolean("AutoWidth", AutoWidth, false);
    properties.boolean("AllowExpressions", AllowExpressions, true);
    properties.boolean("AllowHTMLTags", AllowHTMLTags, false);
    properties.number("CharSpacing", CharSpacing, 0);
    properties.object("DisplayFormat", DisplayFormat);
    properties.string("ExpressionDelimiters", ExpressionDelimiters, "[,]");
    properties.string("FlowTo", FlowTo);
    defineFontProperties(properties);
    properties.number("GapX", GapX, 2);
    properties.number("GapY", GapY, 1);
    properties.enumeration("HAlign", HAlign, TrpHAlignNames, haLeft);
    properties.boolean("HideZeros", HideZeros, false);
    properties.object("Highlight", Highlight, [this] {
        return Highlight.Condition.find_first_not_of(' ') != std::string::npos;
    });
    properties.number("LineSpacing", LineSpacing, 2);
    properties.lines("Memo", Memo);
    properties.alias("x", [this](const std::string& t) {
        Memo = t.empty() ? std::vector<std::string>{} : textToLines(t + "\r\n");
    });
    properties.number("ParagraphGap", ParagraphGap, 0);
    properties.value(
        "Rotation", [this] { return std::to_string(rotation_); },
        [this](const std::string& t) { SetRotation(textToInt(t)); }, "0");
    properties.boolean("RTLReading", RTLReading, false);
    properties.value(
        "Style", [this] { return style_; }, [this](const std::string& t) { SetStyle(t); }, "");
    properties.boolean("SuppressRepeated", SuppressRepeated, false);
    properties.boolean("Underlines", Underlines, false);
    properties.boolean("WordBreak", WordBreak, false);
    properties.boolean("WordWrap", WordWrap, true);
    properties.enumeration("VAlign", VAlign, TrpVAlignNames, vaTop);
}

} // namespace report
