// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MulDiv.h"

#include <cstdint>
#include <cstdlib>

namespace platform {

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const int64_t product = int64_t{a} * b;
    const int64_t magnitude = (std::llabs(product) + std::llabs(int64_t{c}) / 2) / std::llabs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

} // namespace platform
