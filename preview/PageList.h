// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the page view puts each prepared page on its desk: pages in rows of one (or two, side by
// side) with 10-unit gaps, their tops in report units at zoom 1. The view turns this into device
// rectangles at any zoom and finds the page at a scroll position.
#include "platform/Canvas.h"

#include <cstdint>
#include <vector>

namespace preview {

struct TrpPageItem {
    uint16_t column = 0; // position in its row, 0 = first
    uint16_t height = 0;
    uint16_t width = 0;
    int32_t top = 0; // top of the page's row
};

class TrpPageList {
public:
    static constexpr int Gap = 10;

    void Clear();
    int ColumnCount() const { return columns_; }
    // Takes effect for pages added afterwards; Clear first.
    void SetColumnCount(int columns) { columns_ = columns < 1 ? 1 : columns; }
    void Add(int width, int height);

    int Count() const { return static_cast<int>(items_.size()); }
    const TrpPageItem& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    // Σ (w + 10) of the widest row seen.
    int WidestRow() const { return widestRow_; }

    // The page's device rectangle at the zoom in a page area of that client width, before
    // scrolling: rows centered when they fit, 10 pixels from the left edge otherwise. An index
    // outside the list gives an A4 page placed as the first page would be.
    platform::Rect PageRect(int index, double zoom, int clientWidth) const;
    // The page whose top lies at or above the offset y (device pixels at the zoom); -1 above the
    // first page. The inexact search already counts a page once its top is within a fifth of its
    // height below y.
    int FindPage(int y, double zoom, bool exact) const;

private:
    // The first page of the row that holds the page.
    int rowStart(int index) const;

    int columns_ = 1;
    int widestRow_ = 0;
    std::vector<TrpPageItem> items_;
};

} // namespace preview
