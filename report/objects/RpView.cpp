// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpView.h"

#include "report/common/RpProperties.h"
#include "report/expressions/RpExpressions.h"
#include "report/objects/RpCustomReport.h"
#include "report/xml/RpDiffWriter.h"
#include "report/xml/RpXmlSerializer.h"

#include <cstdlib>

namespace report {

using platform::clNone;
using platform::Point;

platform::PenStyle penStyleOf(TrpFrameStyle style) {
    switch (style) {
    case fsDash:
        return platform::PenStyle::Dash;
    case fsDot:
        return platform::PenStyle::Dot;
    case fsDashDot:
        return platform::PenStyle::DashDot;
    case fsDashDotDot:
        return platform::PenStyle::DashDotDot;
    case fsSolid:
    case fsDouble:
        break;
    }
    return platform::PenStyle::Solid;
}

platform::BrushStyle brushStyleOf(TrpBrushStyle style) {
    return static_cast<platform::BrushStyle>(style); // same order
}

namespace {

bool isDashed(TrpFrameStyle style) {
    return style != fsSolid && style != fsDouble;
}

} // namespace

void TrpView::Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                   double offsetY) {
    ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintFill();
    PaintFrame();
}

void TrpView::ComputeDeviceRect(platform::Canvas& canvas, double scaleX, double scaleY,
                                double offsetX, double offsetY) {
    Canvas = &canvas;
    ScaleX = scaleX;
    ScaleY = scaleY;
    OffsetX = offsetX;
    OffsetY = offsetY;
    const double absLeft = AbsLeft(), absTop = AbsTop();
    TrpDeviceRect& r = DRect;
    r.X = rpRound(offsetX + scaleX * absLeft);
    r.Y = rpRound(offsetY + scaleY * absTop);
    r.X1 = rpRound(offsetX + scaleX * (absLeft + Width));
    r.Y1 = rpRound(offsetY + scaleY * (absTop + Height));
    if (Frame.DropShadow) {
        r.X1 -= rpRound(scaleX * Frame.ShadowWidth);
        r.Y1 -= rpRound(scaleY * Frame.ShadowWidth);
    }
    r.DX = r.X1 - r.X;
    r.DY = r.Y1 - r.Y;
    r.FrameWidth = rpRound(scaleX * Frame.Width);
}

void TrpView::PaintFill() {
    platform::Canvas& c = *Canvas;
    const TrpDeviceRect& r = DRect;
    if (Color != clNone) {
        c.setBrush({Color, platform::BrushStyle::Solid});
        c.fillRect({r.X, r.Y, r.X1, r.Y1});
    }
    if (BrushStyle != bsSolid) {
        c.setBrush({Frame.Color, brushStyleOf(BrushStyle)});
        c.setPen({Color == clNone ? platform::clWhite : Color, 1, platform::PenStyle::Solid,
                  platform::PenMode::Copy});
        c.rectangle({r.X, r.Y, r.X1 + 1, r.Y1 + 1});
        c.setBrush({c.brush().color, platform::BrushStyle::Solid});
    }
}

void TrpView::paintFrameLine(Point from, Point to, TrpFrameStyle style) {
    platform::Canvas& c = *Canvas;
    if (isDashed(style)) {
        c.setPen({Frame.Color, 1, penStyleOf(style), platform::PenMode::Copy});
        Canvas->parallelLines(from, to, DRect.FrameWidth);
    } else {
        c.setPen(
            {Frame.Color, DRect.FrameWidth, platform::PenStyle::Solid, platform::PenMode::Copy});
        c.line(from, to);
    }
}

void TrpView::PaintFrame() {
    platform::Canvas& c = *Canvas;
    const TrpDeviceRect& r = DRect;
    if (Frame.DropShadow) {
        const int s = rpRound(Frame.ShadowWidth * ScaleX);
        const int s2 = rpRound(Frame.ShadowWidth * ScaleY);
        c.setPen({Frame.ShadowColor, 1, platform::PenStyle::Solid, platform::PenMode::Copy});
        Canvas->parallelLines({r.X1 + s / 2, r.Y + s}, {r.X1 + s / 2, r.Y1}, s);
        Canvas->parallelLines({r.X + s2, r.Y1 + s2 / 2}, {r.X1 + s2, r.Y1 + s2 / 2}, s2);
    }
    if (Frame.Typ == 0 || Frame.Color == clNone || Frame.Width == 0)
        return;
    // A solid brush of the view's colour paints the gaps of dashed lines; without a colour they
    // stay open.
    if (Frame.Style != fsSolid && Color == clNone)
        c.setBrush({platform::clWhite, platform::BrushStyle::Clear});
    else
        c.setBrush({Color == clNone ? platform::clWhite : Color, platform::BrushStyle::Solid});
    if (Frame.Style == fsDouble) {
        paintDoubleFrame();
        return;
    }
    const int e = r.FrameWidth == 1 ? 1 : 0;
    if (Frame.has(ftLeft))
        paintFrameLine({r.X, r.Y}, {r.X, r.Y1}, Frame.Style);
    if (Frame.has(ftRight))
        paintFrameLine({r.X1, r.Y}, {r.X1, r.Y1}, Frame.Style);
    if (Frame.has(ftTop))
        paintFrameLine({r.X, r.Y}, {r.X1, r.Y}, Frame.Style);
    if (Frame.has(ftBottom))
        paintFrameLine({r.X, r.Y1}, {r.X1 + e, r.Y1}, Frame.Style);
}

// Two lines per side, FrameWidth outside and inside the edge; at an end where the neighbouring
// side is framed too the outer line runs on and the inner one stops short, so the corners meet.
// The edge between them takes the view's colour.
void TrpView::paintDoubleFrame() {
    platform::Canvas& c = *Canvas;
    const TrpDeviceRect& r = DRect;
    const int w = std::max(r.FrameWidth, 1);
    const int top = Frame.has(ftTop) ? w : 0, bottom = Frame.has(ftBottom) ? w : 0;
    const int left = Frame.has(ftLeft) ? w : 0, right = Frame.has(ftRight) ? w : 0;
    const auto side = [&](Point outerFrom, Point outerTo, Point innerFrom, Point innerTo,
                          Point edgeFrom, Point edgeTo) {
        paintFrameLine(outerFrom, outerTo, fsSolid);
        paintFrameLine(innerFrom, innerTo, fsSolid);
        if (Color != clNone) {
            c.setPen({Color, w, platform::PenStyle::Solid, platform::PenMode::Copy});
            c.line(edgeFrom, edgeTo);
        }
    };
    if (Frame.has(ftLeft))
        side({r.X - w, r.Y - top}, {r.X - w, r.Y1 + bottom}, {r.X + w, r.Y + top},
             {r.X + w, r.Y1 - bottom}, {r.X, r.Y}, {r.X, r.Y1});
    if (Frame.has(ftRight))
        side({r.X1 + w, r.Y - top}, {r.X1 + w, r.Y1 + bottom}, {r.X1 - w, r.Y + top},
             {r.X1 - w, r.Y1 - bottom}, {r.X1, r.Y}, {r.X1, r.Y1});
    if (Frame.has(ftTop))
        side({r.X - left, r.Y - w}, {r.X1 + right, r.Y - w}, {r.X + left, r.Y + w},
             {r.X1 - right, r.Y + w}, {r.X, r.Y}, {r.X1, r.Y});
    if (Frame.has(ftBottom))
        side({r.X - left, r.Y1 + w}, {r.X1 + right, r.Y1 + w}, {r.X + left, r.Y1 - w},
             {r.X1 - right, r.Y1 - w}, {r.X, r.Y1}, {r.X1, r.Y1});
}

void TrpView::SaveOutputState() {
    TrpReportComponent::SaveOutputState();
    savedTagStr_ = TagStr;
    savedURL_ = URL;
}

void TrpView::RestoreOutputState() {
    TrpReportComponent::RestoreOutputState();
    TagStr = savedTagStr_;
    URL = savedURL_;
}

void TrpView::FillValue() {
    TrpCustomReport* report = Report();
    if (!report)
        return;
    const auto calc = [report](const std::string& expr) { return report->Calc(expr).toString(); };
    for (std::string* text : {&TagStr, &URL})
        if (text->find('[') != std::string::npos)
            *text = ExpandDelimited(*text, "[", "]", calc);
}

void TrpView::appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly) {
    if (!commonOnly && !diffStoresChangesOnly()) {
        // Every value, so that one put back to its default is not lost to the source's value.
        diff.text = TrpXMLSerializer::WriteProperties(*this, true);
        TrpReportComponent::appendDiff(diff, source, true);
        return;
    }
    TrpReportComponent::appendDiff(diff, source, commonOnly);
    if (commonOnly)
        return;
    const auto* s = dynamic_cast<const TrpView*>(&source);
    const auto ordinal = [](auto value) { return static_cast<int>(value); };
    const int brush = ordinal(BrushStyle), align = ordinal(Align), style = ordinal(Frame.Style);
    const int theirBrush = s ? ordinal(s->BrushStyle) : 0, theirAlign = s ? ordinal(s->Align) : 0,
              theirStyle = s ? ordinal(s->Frame.Style) : 0;
    diff.integer("BrushStyle", brush, s ? &theirBrush : nullptr);
    diff.integer("Align", align, s ? &theirAlign : nullptr);
    diff.color("Color", Color, s ? &s->Color : nullptr);
    diff.color("Frame.Color", Frame.Color, s ? &s->Frame.Color : nullptr);
    diff.boolean("Frame.DropShadow", Frame.DropShadow, s ? &s->Frame.DropShadow : nullptr);
    diff.color("Frame.ShadowColor", Frame.ShadowColor, s ? &s->Frame.ShadowColor : nullptr);
    diff.number("Frame.ShadowWidth", Frame.ShadowWidth, s ? &s->Frame.ShadowWidth : nullptr);
    diff.integer("Frame.Style", style, s ? &theirStyle : nullptr);
    diff.integer("Frame.Typ", Frame.Typ, s ? &s->Frame.Typ : nullptr);
    diff.number("Frame.Width", Frame.Width, s ? &s->Frame.Width : nullptr);
    diff.integer("Cursor", Cursor, s ? &s->Cursor : nullptr);
    diff.boolean("Printable", Printable, s ? &s->Printable : nullptr);
    diff.string("TagStr", TagStr, s ? &s->TagStr : nullptr);
    diff.string("URL", URL, s ? &s->URL : nullptr);
}

void TrpView::DefineProperties(TrpPropertyList& properties) {
    TrpReportComponent::DefineProperties(properties);
    properties.enumeration("Align", Align, TrpAlignNames, baNone);
    properties.enumeration("BrushStyle", BrushStyle, TrpBrushStyleNames, bsSolid);
    properties.color("Color", Color, clNone);
    properties.integer("Cursor", Cursor, 0);
    properties.string("DataField", DataField);
    properties.string("DataSetName", DataSetName);
    properties.object("Frame", Frame);
    properties.boolean("Printable", Printable, true);
    properties.enumeration("ShiftMode", ShiftMode, TrpShiftModeNames, smAlways);
    properties.string("TagStr", TagStr);
    properties.string("URL", URL);
    properties.string("OnAfterData", OnAfterData);
    properties.string("OnAfterPrint", OnAfterPrint);
    properties.string("OnBeforePrint", OnBeforePrint);
    properties.string("OnPreviewClick", OnPreviewClick);
}

double TrpStretcheable::CalcHeight() {
    return Height;
}

double TrpStretcheable::CalcWidth() {
    return Width;
}

void TrpStretcheable::DefineProperties(TrpPropertyList& properties) {
    TrpView::DefineProperties(properties);
    properties.enumeration("StretchMode", StretchMode, TrpStretchModeNames, smDontStretch);
}

} // namespace report
