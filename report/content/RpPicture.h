// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture container of a picture object: one graphic (a JPEG, a bitmap, an icon) or nothing.
// Definitions store it as the property "Data": the length of the graphic's class name in one byte,
// the name, a 32-bit little-endian length and the image file's bytes. Prepared pages carry the
// same bytes wrapped as a named binary property ("PropData").
#include "report/common/RpPersistent.h"
#include "report/content/RpGraphic.h"

#include <functional>
#include <memory>
#include <string>

namespace report {

class TrpPicture : public TrpPersistent {
public:
    TrpPicture() = default;
    TrpPicture(const TrpPicture&) = delete;
    TrpPicture& operator=(const TrpPicture&) = delete;

    // Null when the picture is empty.
    TrpGraphic* Graphic() const { return graphic_.get(); }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // Every change (loading, assigning, clearing) ends by calling OnChange.
    void Assign(const TrpPicture& source); // shares the source's bytes and decoded pixels
    void Clear();

    // The stored form; empty for an empty picture.
    std::string StoredData() const;
    // Raises platform::Error on a truncated or overlong form, a class name that is not a
    // registered graphic class, or image bytes the class refuses; the picture is then unchanged.
    void LoadFromStoredData(const std::string& data);
    // The stored form as a binary property named "Data": the byte 4, "Data", the byte 10, a
    // 32-bit little-endian count and the stored form.
    std::string PropData() const;
    void LoadFromPropData(const std::string& data);
    // A picture from a data field's blob, its class chosen by the first bytes: "BM" a bitmap,
    // FF D8 a JPEG, a six-byte header with a second word below 2 an icon; nothing known clears
    // the picture. An 8-byte header (words 1 and 256, then the size of the rest) is skipped.
    // Metafiles are recognised but cannot be shown here, and raise platform::Error.
    void LoadFromBlob(const std::string& blob);

    std::function<void()> OnChange;

    const char* ClassName() const override { return "TPicture"; }
    void DefineProperties(TrpPropertyList& properties) override;

private:
    void take(std::unique_ptr<TrpGraphic> graphic);

    std::unique_ptr<TrpGraphic> graphic_;
};

} // namespace report
