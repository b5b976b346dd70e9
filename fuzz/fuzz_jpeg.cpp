// SPDX-License-Identifier: GPL-3.0-or-later
// A JPEG picture from a stored definition: header read, then decoded for drawing.
#include "platform/Error.h"
#include "report/content/RpJpegImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    report::TrpJpegImage image;
    try {
        image.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
        image.Image();
    } catch (const platform::Error&) {
    }
    return 0;
}
