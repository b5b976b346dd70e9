// SPDX-License-Identifier: GPL-3.0-or-later
// Text of a numeric edit converted to a number, with the separators of several locales.
#include "platform/Error.h"
#include "platform/NumberText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    platform::NumberSeparators separators;
    separators.decimal = static_cast<char>(data[0]);
    separators.thousand = static_cast<char>(data[1]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    try {
        platform::ParseNumber(text, separators);
        for (const auto format :
             {platform::TNumberFormat::Standard, platform::TNumberFormat::Thousands,
              platform::TNumberFormat::Scientific, platform::TNumberFormat::Engineering})
            platform::FormatNumber(platform::ParseNumber(text, separators), format, 2, separators);
    } catch (const platform::Error&) {
    }
    return 0;
}
