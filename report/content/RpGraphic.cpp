// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/content/RpGraphic.h"

#include "report/common/RpProperties.h"
#include "report/content/RpJpegImage.h"

#include "platform/Error.h"

namespace report {

void TrpRasterImage::LoadFromBytes(std::string bytes) {
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()), format_))
        throw platform::Error(std::string(className_) + " image is not valid");
    // Decoded at once: the readers need the whole file to know the size anyway.
    image_ = image.convertToFormat(QImage::Format_RGB32);
    bytes_ = std::move(bytes);
    width_ = image_.width();
    height_ = image_.height();
}

std::unique_ptr<TrpGraphic> TrpRasterImage::Clone() const {
    return std::make_unique<TrpRasterImage>(*this);
}

std::unique_ptr<TrpGraphic> rpCreateGraphic(std::string_view className) {
    const std::string name(className);
    if (sameTextIgnoringCase(name, "TJPEGImage"))
        return std::make_unique<TrpJpegImage>();
    if (sameTextIgnoringCase(name, "TBitmap"))
        return std::make_unique<TrpRasterImage>("TBitmap", "BMP");
    if (sameTextIgnoringCase(name, "TIcon"))
        return std::make_unique<TrpRasterImage>("TIcon", "ICO");
    return nullptr;
}

} // namespace report
