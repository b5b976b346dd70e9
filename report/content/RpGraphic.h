// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graphic classes a picture can hold. Each keeps the bytes of its image file as they are stored
// after the class name, knows its size from them, and gives its pixels as a 32-bit image decoded on
// first use and kept until the graphic is replaced.
#include <QImage>
#include <memory>
#include <string>
#include <string_view>

namespace report {

class TrpGraphic {
public:
    virtual ~TrpGraphic() = default;

    // The name a stored picture gives the class ("TJPEGImage").
    virtual const char* ClassName() const = 0;
    // Takes the image file's bytes and reads their width and height; raises platform::Error on
    // bytes that the class cannot read.
    virtual void LoadFromBytes(std::string bytes) = 0;
    // The pixels at natural size, 32 bits each; raises on an image that does not decode.
    virtual QImage Image() = 0;
    // A copy that shares the bytes and the decoded pixels.
    virtual std::unique_ptr<TrpGraphic> Clone() const = 0;

    const std::string& Bytes() const { return bytes_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

protected:
    std::string bytes_;
    int width_ = 0;
    int height_ = 0;
};

// Bitmaps and icons, decoded by Qt's image readers ("BMP", "ICO").
class TrpRasterImage : public TrpGraphic {
public:
    TrpRasterImage(const char* className, const char* format)
        : className_(className)
        , format_(format) {}

    const char* ClassName() const override { return className_; }
    void LoadFromBytes(std::string bytes) override;
    QImage Image() override { return image_; }
    std::unique_ptr<TrpGraphic> Clone() const override;

private:
    const char* className_;
    const char* format_;
    QImage image_;
};

// An empty graphic of a registered class ("TJPEGImage", "TBitmap", "TIcon"; letter case ignored),
// or null for any other name. Metafiles have no player here, so "TMetafile" is not registered.
std::unique_ptr<TrpGraphic> rpCreateGraphic(std::string_view className);

} // namespace report
