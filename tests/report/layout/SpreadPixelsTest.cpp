// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/layout/RpSpreadPixels.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

using report::SpreadPixels;

namespace {

std::vector<int> spread(int size, int first, int last, int unit, int count) {
    std::vector<int> values(static_cast<size_t>(size), 0);
    SpreadPixels(values, first, last, unit, count);
    return values;
}

} // namespace

TEST(SpreadPixels, OnePixelGoesToTheMiddleAndMoreAreSplitBetweenTheHalves) {
    EXPECT_EQ(spread(5, 0, 4, 1, 1), (std::vector<int>{0, 1, 0, 0, 0}));
    EXPECT_EQ(spread(1, 0, 0, 1, 1), (std::vector<int>{1}));
    EXPECT_EQ(spread(4, 0, 3, 1, 2), (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(spread(7, 0, 6, 1, 3), (std::vector<int>{1, 0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(spread(7, 0, 6, -1, 3), (std::vector<int>{-1, 0, 0, -1, 0, -1, 0}));
    // Only the given range is touched.
    EXPECT_EQ(spread(6, 2, 5, 1, 2), (std::vector<int>{0, 0, 1, 0, 1, 0}));
}

TEST(SpreadPixels, MoreUnitsThanEntriesGiveEveryEntryItsShareFirst) {
    EXPECT_EQ(spread(4, 0, 3, 1, 9), (std::vector<int>{2, 3, 2, 2}));
    EXPECT_EQ(spread(3, 0, 2, -1, 3), (std::vector<int>{-1, -1, -1}));
}

TEST(SpreadPixels, EveryCountIsHandedOutCompletelyAndEvenly) {
    for (int size = 1; size <= 40; ++size) {
        for (int count = 0; count <= 3 * size; ++count) {
            const std::vector<int> v = spread(size, 0, size - 1, 1, count);
            EXPECT_EQ(std::accumulate(v.begin(), v.end(), 0), count) << size << " " << count;
            const auto [low, high] = std::minmax_element(v.begin(), v.end());
            EXPECT_LE(*high - *low, 1) << size << " " << count;
        }
    }
}

TEST(SpreadPixels, NothingHappensWithoutCountOrRange) {
    EXPECT_EQ(spread(3, 0, 2, 1, 0), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(spread(3, 2, 1, 1, 2), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(spread(3, 0, -1, 1, 1), (std::vector<int>{0, 0, 0})); // one line: no steps between
}
