// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rectangular printable object with a background and a frame. Views draw themselves at any
// scale and offset: device pixels are report units times the scale plus the offset.
#include "report/objects/RpComponent.h"
#include "report/objects/RpFrame.h"

#include "platform/Canvas.h"

namespace report {

// The device rectangle of a view: X and Y inclusive, X1 and Y1 the far edges.
struct TrpDeviceRect {
    int X = 0, Y = 0, X1 = 0, Y1 = 0;
    int DX = 0, DY = 0;
    int FrameWidth = 0;
};

class TrpView : public TrpReportComponent {
public:
    using TrpReportComponent::TrpReportComponent;

    TrpAlign Align = baNone;
    int Cursor = 0;
    bool Printable = true;
    TrpShiftMode ShiftMode = smAlways;
    std::string TagStr;
    std::string URL;
    std::string OnAfterData, OnAfterPrint, OnBeforePrint, OnPreviewClick; // script procedures
    platform::TColor Color = platform::clNone;
    TrpBrushStyle BrushStyle = bsSolid;
    TrpFrame Frame;
    std::string DataSetName;
    std::string DataField;

    // Filled by ComputeDeviceRect and kept for the drawing steps after it.
    TrpDeviceRect DRect;
    double ScaleX = 1, ScaleY = 1, OffsetX = 0, OffsetY = 0;
    platform::Canvas* Canvas = nullptr;
    // Set by the prepared-pages store while drawing on a printer.
    bool IsPrinting = false;

    void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
              double offsetY) override;
    virtual void ComputeDeviceRect(platform::Canvas& canvas, double scaleX, double scaleY,
                                   double offsetX, double offsetY);
    virtual void PaintFill();
    virtual void PaintFrame();

    void SaveOutputState() override;
    void RestoreOutputState() override;
    // Expands the bracketed expressions of TagStr and URL through the report's Calc.
    void FillValue() override;

    void DefineProperties(TrpPropertyList& properties) override;

protected:
    void appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly) override;
    bool diffWritesLeft() const override { return Align == baNone; }
    // Text objects, lines, pictures and shapes store only the view properties that differ; other
    // views (the barcode) store all their properties followed by the part every object has.
    virtual bool diffStoresChangesOnly() const { return false; }
    // Draws one side (or a diagonal) the way the frame style asks: FrameWidth parallel one-pixel
    // lines for the dashed styles, one line of pen width FrameWidth otherwise.
    void paintFrameLine(platform::Point from, platform::Point to, TrpFrameStyle style);

private:
    void paintDoubleFrame();
    std::string savedTagStr_, savedURL_;
};

// A view that can grow to its content during preparation.
class TrpStretcheable : public TrpView {
public:
    using TrpView::TrpView;

    TrpStretchMode StretchMode = smDontStretch;
    // The height and width the content needs; a plain stretcheable view needs its own size. The
    // text layout answers them for text objects.
    virtual double CalcHeight();
    virtual double CalcWidth();

    void DefineProperties(TrpPropertyList& properties) override;

protected:
    bool diffStoresChangesOnly() const override { return true; }
};

// Pen and brush styles of the canvas for the report's enumerations.
platform::PenStyle penStyleOf(TrpFrameStyle style);
platform::BrushStyle brushStyleOf(TrpBrushStyle style);

} // namespace report
