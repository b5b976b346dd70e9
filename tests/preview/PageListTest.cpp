// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PageList.h"

#include <gtest/gtest.h>

using platform::Rect;
using preview::TrpPageList;

TEST(PageListTest, OneA4PageAtZoomOneIsCenteredTenPixelsDown) {
    TrpPageList list;
    list.Add(794, 1123);
    EXPECT_EQ(list.PageRect(0, 1.0, 1000), (Rect{103, 10, 897, 1133}));
    EXPECT_EQ(list.WidestRow(), 804);
    // Too narrow for the page: 10 pixels from the left edge.
    EXPECT_EQ(list.PageRect(0, 1.0, 700), (Rect{10, 10, 804, 1133}));
    // Halves round to even: (1001 − 794) / 2 = 103.5 → 104; 0.5 × 1123 = 561.5 → 562.
    EXPECT_EQ(list.PageRect(0, 1.0, 1001).left, 104);
    EXPECT_EQ(list.PageRect(0, 0.5, 1000), (Rect{302, 5, 699, 567}));
}

TEST(PageListTest, RowsOfOneStackPagesWithTenUnitGapsBelowTheTallestOfTheRow) {
    TrpPageList list;
    list.Add(794, 1123);
    list.Add(1123, 794);
    list.Add(794, 1123);
    EXPECT_EQ(list.Item(1).top, 1143);
    EXPECT_EQ(list.Item(2).top, 1947);
    EXPECT_EQ(list.Item(2).column, 0);
    EXPECT_EQ(list.WidestRow(), 1133);
    EXPECT_EQ(list.PageRect(1, 1.0, 1000), (Rect{10, 1143, 1133, 1937}));
}

TEST(PageListTest, TwoColumnsPutPagesSideBySideAndCenterTheRow) {
    TrpPageList list;
    list.SetColumnCount(2);
    list.Add(794, 1123);
    list.Add(794, 1000);
    list.Add(600, 800);
    EXPECT_EQ(list.Item(1).column, 1);
    EXPECT_EQ(list.Item(1).top, 10);
    EXPECT_EQ(list.Item(2).column, 0);
    EXPECT_EQ(list.Item(2).top, 10 + 1123 + 10);
    EXPECT_EQ(list.WidestRow(), 2 * 804);
    // Row width 794 + 10 + 794 = 1598 at zoom 0.5 = 799 in 1000: left (1000 − 799) / 2 = 100.5
    // → 100; the second page 0.5 × 804 = 402 further.
    EXPECT_EQ(list.PageRect(0, 0.5, 1000), (Rect{100, 5, 497, 567}));
    EXPECT_EQ(list.PageRect(1, 0.5, 1000), (Rect{502, 5, 899, 505}));
    // The last row holds one page and is centered on its own.
    EXPECT_EQ(list.PageRect(2, 0.5, 1000).left, 350);
}

TEST(PageListTest, OutsideTheListAnA4PageStandsWhereTheFirstPageWould) {
    TrpPageList list;
    EXPECT_EQ(list.PageRect(0, 1.0, 1000), (Rect{103, 10, 897, 1133}));
    EXPECT_EQ(list.PageRect(-1, 2.0, 1000), (Rect{10, 20, 1598, 2266}));
}

TEST(PageListTest, FindingThePageAtAnOffset) {
    TrpPageList list;
    for (int i = 0; i < 3; ++i)
        list.Add(794, 1123); // tops 10, 1143, 2276
    EXPECT_EQ(list.FindPage(0, 1.0, true), -1);
    EXPECT_EQ(list.FindPage(10, 1.0, true), 0);
    EXPECT_EQ(list.FindPage(1142, 1.0, true), 0);
    EXPECT_EQ(list.FindPage(1143, 1.0, true), 1);
    EXPECT_EQ(list.FindPage(99999, 1.0, true), 2);
    // Inexact: the next page counts once its top is within a fifth of its height (225) below.
    EXPECT_EQ(list.FindPage(0, 1.0, false), 0);
    EXPECT_EQ(list.FindPage(1143 - 226, 1.0, false), 0);
    EXPECT_EQ(list.FindPage(1143 - 225, 1.0, false), 1);
    // At zoom 2 the tops and the fifth double.
    EXPECT_EQ(list.FindPage(2286 - 450, 2.0, false), 0);
    EXPECT_EQ(list.FindPage(2286 - 449, 2.0, false), 1);
    EXPECT_EQ(list.FindPage(2286 - 449, 2.0, true), 0);
    EXPECT_EQ(TrpPageList().FindPage(100, 1.0, false), -1);
}
