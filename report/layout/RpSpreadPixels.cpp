// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/layout/RpSpreadPixels.h"

#include <algorithm>

namespace report {
namespace {

void spread(std::span<int> values, int first, int last, int unit, int count) {
    if (count <= 0 || first > last)
        return;
    const int half = std::max((last - first + 1) / 2, 1);
    if (count == 1) {
        values[static_cast<size_t>(first + half - 1)] += unit;
        return;
    }
    spread(values, first, first + half - 1, unit, count / 2);
    spread(values, first + half, last, unit, count - count / 2);
}

} // namespace

void SpreadPixels(std::span<int> values, int first, int last, int unit, int count) {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(values.size()) - 1);
    const int size = last - first + 1;
    if (count <= 0 || size <= 0)
        return;
    if (count > size) {
        for (int i = first; i <= last; ++i)
            values[static_cast<size_t>(i)] += unit * (count / size);
        count %= size;
    }
    spread(values, first, last, unit, count);
}

} // namespace report
