// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Error.h"

#include <cstdint>

namespace platform {

int strToInt(const std::string& text) {
    const auto fail = [&]() -> int {
        throw ConvertError("'" + text + "' is not a valid integer value");
    };
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return fail();
    uint64_t value = 0;
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return fail();
        value = value * base + digit;
        if (value > limit)
            return fail();
    }
    // Hexadecimal values fill all 32 bits, as the platform's conversion does.
    const auto bits = static_cast<uint32_t>(value);
    const auto result = static_cast<int32_t>(bits);
    return negative ? static_cast<int>(-static_cast<int64_t>(result)) : result;
}

} // namespace platform
