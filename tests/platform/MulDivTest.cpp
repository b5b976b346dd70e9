// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MulDiv.h"

#include <gtest/gtest.h>

using platform::MulDiv;

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(8, 7, 4), 14);
    EXPECT_EQ(MulDiv(10, 15, 8), 19); // 18.75
    EXPECT_EQ(MulDiv(14, 13, 8), 23); // 22.75
    EXPECT_EQ(MulDiv(8, 13, 8), 13);
    EXPECT_EQ(MulDiv(5, 1, 2), 3);   // 2.5
    EXPECT_EQ(MulDiv(-5, 1, 2), -3); // -2.5
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(7, 1, 4), 2); // 1.75
    EXPECT_EQ(MulDiv(5, 1, 4), 1); // 1.25
}

TEST(MulDiv, ComputesWithoutIntermediateOverflowAndFailsOnZeroDivisor) {
    EXPECT_EQ(MulDiv(1 << 30, 8, 16), 1 << 29);
    EXPECT_EQ(MulDiv(3, 4, 0), -1);
}
