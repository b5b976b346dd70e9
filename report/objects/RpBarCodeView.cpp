// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpBarCodeView.h"

#include "report/common/RpProperties.h"
#include "report/objects/RpCustomReport.h"
#include "report/xml/RpDiffWriter.h"
#include "report/xml/RpXmlSerializer.h"

namespace report {
namespace {

bool horizontalRotation(int degrees) {
    const int normalized = (degrees % 360 + 360) % 360;
    return normalized == 0 || normalized == 180;
}

} // namespace

TrpBarCodeView::TrpBarCodeView(TrpComponent* owner) : TrpView(owner) {}

void TrpBarCodeView::Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                          double offsetY) {
    barcode_.Angle = Rotation;
    barcode_.Checksum = CalcCheckSum;
    barcode_.Typ = BarType;
    barcode_.Color = Color == platform::clNone ? platform::clWhite : Color;
    barcode_.Text = Text;
    if (Zoom < 0.0001)
        Zoom = 1;
    const double previousWidth = Width;
    const double length = barcode_.Width() * Zoom;
    if (horizontalRotation(Rotation))
        Width = length;
    else
        Height = length;
    if (HAlign == haRight)
        Left += previousWidth - Width;
    else if (HAlign == haCenter)
        Left += (previousWidth - Width) / 2;
    ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintFill();
    barcode_.Paint(canvas, {DRect.X, DRect.Y, DRect.X1, DRect.Y1}, ShowText);
    PaintFrame();
}

void TrpBarCodeView::FillValue() {
    TrpView::FillValue();
    TrpCustomReport* report = Report();
    if (!report)
        return;
    if (!DataSetName.empty() && !DataField.empty())
        Text = report->Calc(DataSetName + ".\"" + DataField + "\"").toString();
    else if (!Expression.empty())
        Text = report->Calc(Expression).toString();
}

void TrpBarCodeView::appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly) {
    if (!commonOnly)
        diff.text += TrpXMLSerializer::WriteProperties(*this);
    TrpReportComponent::appendDiff(diff, source, commonOnly);
}

void TrpBarCodeView::DefineProperties(TrpPropertyList& properties) {
    TrpView::DefineProperties(properties);
    // BarType, Rotation and Zoom are written even at their defaults.
    TrpPropertyList alwaysStored;
    alwaysStored.enumeration("BarType", BarType, TrpBarcodeTypeNames, bcCode39);
    alwaysStored.integer("Rotation", Rotation, 0);
    alwaysStored.number("Zoom", Zoom, 1.0);
    for (TrpProperty p : alwaysStored.items()) {
        p.stored = [] { return true; };
        properties.add(std::move(p));
    }
    properties.boolean("CalcCheckSum", CalcCheckSum, false);
    properties.string("Expression", Expression);
    properties.enumeration("HAlign", HAlign, TrpHAlignNames, haLeft);
    properties.boolean("ShowText", ShowText, true);
    properties.string("Text", Text, "12345678");
}

} // namespace report
