// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture object: one picture inside its rectangle, stretched (keeping the proportions or not)
// or at natural size, optionally centred, over a white background.
#include "report/content/RpPicture.h"
#include "report/objects/RpView.h"

namespace report {

class TrpPictureView : public TrpView {
public:
    explicit TrpPictureView(TrpComponent* owner = nullptr);

    TrpPicture& Picture() { return picture_; }
    const TrpPicture& Picture() const { return picture_; }
    // Copies the picture.
    void SetPicture(const TrpPicture& picture) { picture_.Assign(picture); }

    bool AutoSize() const { return autoSize_; }
    // Switching it on takes the image's size at once.
    void SetAutoSize(bool value);
    bool Stretched = true;
    bool KeepAspectRatio = true;
    bool Center = false;

    // Set by every change of the picture; a preparation clears it when it starts. A picture that
    // changed during a run is written into its difference text, otherwise prepared pages take the
    // image from the source copy.
    bool PictureChanged = false;

    // Background, then the image in the rectangle its rules give, then the frame. A JPEG is
    // decoded on the first drawing; a damaged one raises JpegError.
    void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
              double offsetY) override;
    // With a data field bound, loads the field's blob.
    void FillValue() override;

    const char* ClassName() const override { return "TrpPictureView"; }
    void DefineProperties(TrpPropertyList& properties) override;

protected:
    // When the picture changed: Picture.PropData first; then always a blank and the view's
    // difference text.
    void appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly) override;
    // The picture travels in Picture.PropData when it changed; the rest only when it differs.
    bool diffStoresChangesOnly() const override { return true; }

private:
    void pictureChanged();
    void applyAutoSize();
    // Where the image lands for the device rectangle just computed.
    platform::Rect imageRect(int imageWidth, int imageHeight) const;

    TrpPicture picture_;
    bool autoSize_ = false;
};

} // namespace report
