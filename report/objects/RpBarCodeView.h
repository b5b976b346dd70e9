// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The barcode object: a view that draws its text as a one-dimensional barcode through the
// generator it owns. Drawing first resizes the view so that its length along the code is the
// pattern's width times Zoom; HAlign says which edge stays put.
#include "report/content/RpBarcode.h"
#include "report/objects/RpView.h"

namespace report {

class TrpBarCodeView : public TrpView {
public:
    explicit TrpBarCodeView(TrpComponent* owner = nullptr);

    TrpBarcodeType BarType = bcCode39;
    std::string Text = "12345678";
    // Taken into Text at output time when no data field is bound.
    std::string Expression;
    bool CalcCheckSum = false;
    bool ShowText = true;
    // Degrees: 0 and 180 lay the code horizontally, anything else vertically.
    int Rotation = 0;
    double Zoom = 1.0; // report units per module
    TrpHAlign HAlign = haLeft;

    TrpBarcode& Barcode() { return barcode_; }

    // Resizes and moves the view (the change stays), then background, bars and frame. Raises
    // what making the pattern raises.
    void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
              double offsetY) override;
    // Text from the bound data field, or else from Expression.
    void FillValue() override;

    const char* ClassName() const override { return "TrpBarCodeView"; }
    void DefineProperties(TrpPropertyList& properties) override;

protected:
    // Prepared pages keep a barcode's complete property text and the common difference part.
    void appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly) override;

private:
    TrpBarcode barcode_;
};

} // namespace report
