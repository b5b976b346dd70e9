// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG pictures, decoded by libjpeg. Loading reads only the header (for the size); the first
// request for the pixels decodes the whole image, which is then kept for every later drawing at
// any zoom.
#include "report/content/RpGraphic.h"

#include "platform/Error.h"

namespace report {

// A JPEG that libjpeg refuses, with the library's message number: "JPEG error #<number>".
// Corrupt-data warnings count as errors, so a damaged image never draws half decoded.
class JpegError : public platform::Error {
public:
    explicit JpegError(int code);
    int code() const { return code_; }

private:
    int code_;
};

class TrpJpegImage : public TrpGraphic {
public:
    const char* ClassName() const override { return "TJPEGImage"; }
    // Raises JpegError when the header cannot be read.
    void LoadFromBytes(std::string bytes) override;
    // Decodes at full scale with the accurate transform and smoothing; raises JpegError.
    QImage Image() override;
    std::unique_ptr<TrpGraphic> Clone() const override;

    bool Decoded() const { return !decoded_.isNull(); }

private:
    QImage decoded_;
};

} // namespace report
