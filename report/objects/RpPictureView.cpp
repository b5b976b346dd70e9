// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpPictureView.h"

#include "report/common/RpProperties.h"
#include "report/objects/RpCustomReport.h"
#include "report/xml/RpDiffWriter.h"
#include "report/xml/RpXmlText.h"

namespace report {

TrpPictureView::TrpPictureView(TrpComponent* owner) : TrpView(owner) {
    // The background is white and not a stored choice; the page's background picture clears it.
    Color = platform::clWhite;
    picture_.OnChange = [this] { pictureChanged(); };
}

void TrpPictureView::pictureChanged() {
    PictureChanged = true;
    applyAutoSize();
}

void TrpPictureView::SetAutoSize(bool value) {
    autoSize_ = value;
    applyAutoSize();
}

void TrpPictureView::applyAutoSize() {
    if (!autoSize_ || picture_.Empty())
        return;
    // One image pixel is one report unit.
    Width = picture_.Width();
    Height = picture_.Height();
}

platform::Rect TrpPictureView::imageRect(int w, int h) const {
    const TrpDeviceRect& d = DRect;
    platform::Rect r{d.X, d.Y, d.X1, d.Y1};
    const auto moveBy = [&r](int dx, int dy) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    };
    if (Stretched) {
        if (KeepAspectRatio) {
            const double kx = static_cast<double>(d.DX) / w, ky = static_cast<double>(d.DY) / h;
            if (ky > kx)
                r.bottom = r.top + rpRound(h * kx);
            else
                r.right = r.left + rpRound(w * ky);
            if (Center)
                moveBy((d.DX - r.width()) / 2, (d.DY - r.height()) / 2);
        }
        return r;
    }
    const int width = rpRound(w * ScaleX), height = rpRound(h * ScaleY);
    if (Center)
        moveBy((d.DX - width) / 2, (d.DY - height) / 2);
    r.right = r.left + width;
    r.bottom = r.top + height;
    return r;
}

void TrpPictureView::Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                          double offsetY) {
    ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintFill();
    if (TrpGraphic* graphic = picture_.Graphic(); graphic && !graphic->Empty()) {
        // Screen and printer alike get the decoded 32-bit pixels, stretched without smoothing.
        const platform::Rect target = imageRect(graphic->Width(), graphic->Height());
        canvas.stretchDraw(target, graphic->Image());
    }
    PaintFrame();
}

void TrpPictureView::FillValue() {
    TrpView::FillValue();
    TrpCustomReport* report = Report();
    if (!report || DataSetName.empty() || DataField.empty())
        return;
    const TrpVariant value = report->Calc(DataSetName + ".\"" + DataField + "\"");
    if (value.isString())
        picture_.LoadFromBlob(value.toString());
}

void TrpPictureView::appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly) {
    if (commonOnly) {
        TrpView::appendDiff(diff, source, true);
        return;
    }
    std::string text;
    if (PictureChanged)
        appendAttribute(text, "Picture.PropData", hexText(picture_.PropData()));
    TrpDiffWriter view;
    TrpView::appendDiff(view, source, false);
    diff.text += text + ' ' + view.text;
}

void TrpPictureView::DefineProperties(TrpPropertyList& properties) {
    // The view's properties, but a white background is the default that goes unwritten.
    TrpPropertyList viewProperties;
    TrpView::DefineProperties(viewProperties);
    for (TrpProperty p : viewProperties.items()) {
        if (p.name == "Color")
            p.defaultText = colorText(platform::clWhite);
        properties.add(std::move(p));
    }
    properties.value(
        "AutoSize", [this] { return boolText(autoSize_); },
        [this](const std::string& t) { SetAutoSize(textToBool(t)); }, boolText(false));
    properties.boolean("Center", Center, false);
    properties.boolean("KeepAspectRatio", KeepAspectRatio, true);
    properties.object("Picture", picture_);
    properties.boolean("Stretched", Stretched, true);
}

} // namespace report
