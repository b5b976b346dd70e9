// SPDX-License-Identifier: GPL-3.0-or-later
// The page-range text typed into the print dialog, against reports of any page count.
#include "platform/Error.h"
#include "preview/PageRange.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const int pageCount = (data[0] | data[1] << 8) % 5000;
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    try {
        const auto pages = preview::ExpandPageRange(text, pageCount);
        // A list never grows beyond what the text can name within the pages.
        if (pages.size() > text.size() * static_cast<size_t>(pageCount + 1) + 1)
            __builtin_trap();
    } catch (const platform::Error&) {
    }
    return 0;
}
