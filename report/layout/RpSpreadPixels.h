// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rounding differences between the 600-dpi layout and a device are handed out one pixel at a time
// over characters or line steps, evenly, so that no single gap absorbs them all.
#include <span>

namespace report {

// Adds unit to count entries of values[first..last] (inclusive), as evenly as possible: one
// addition goes to the middle entry, more are split between the two halves recursively. When
// count exceeds the number of entries every entry first gets its share of whole units.
void SpreadPixels(std::span<int> values, int first, int last, int unit, int count);

} // namespace report
