// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpLineView.h"

#include "report/common/RpProperties.h"

namespace report {

TrpCustomLineView::TrpCustomLineView(TrpComponent* owner) : TrpStretcheable(owner) {}

void TrpCustomLineView::Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                             double offsetY) {
    if (!Diagonal) {
        if (Width <= Height) {
            Width = 0;
            Frame.Typ = bitOf(ftLeft);
        } else {
            Height = 0;
            Frame.Typ = bitOf(ftTop);
        }
    }
    ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
    if (!Diagonal) {
        PaintFrame();
        return;
    }
    if (Frame.Color == platform::clNone || Frame.Width == 0)
        return;
    canvas.setBrush(
        {Color == platform::clNone ? platform::clWhite : Color,
         Color == platform::clNone ? platform::BrushStyle::Clear : platform::BrushStyle::Solid});
    const TrpFrameStyle style = Frame.Style == fsDouble ? fsSolid : Frame.Style;
    canvas.setPen({Frame.Color, 1, penStyleOf(style), platform::PenMode::Copy});
    Canvas->parallelLines({DRect.X, DRect.Y}, {DRect.X1, DRect.Y1}, DRect.FrameWidth);
}

void TrpCustomLineView::DefineProperties(TrpPropertyList& properties) {
    TrpStretcheable::DefineProperties(properties);
    properties.boolean("Diagonal", Diagonal, false);
}

} // namespace report
