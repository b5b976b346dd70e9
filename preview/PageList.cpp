// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PageList.h"

#include "report/common/RpTypes.h"

#include <algorithm>

namespace preview {
namespace {

constexpr int a4Width = 794;
constexpr int a4Height = 1123;

int leftOfRow(double rowWidth, double zoom, int clientWidth) {
    const double scaled = zoom * rowWidth;
    return clientWidth >= scaled ? report::rpRound((clientWidth - scaled) / 2) : TrpPageList::Gap;
}

} // namespace

void TrpPageList::Clear() {
    items_.clear();
    widestRow_ = 0;
}

void TrpPageList::Add(int width, int height) {
    TrpPageItem item;
    item.width = static_cast<uint16_t>(width);
    item.height = static_cast<uint16_t>(height);
    if (items_.empty()) {
        item.top = Gap;
    } else if (items_.back().column < columns_ - 1) {
        item.column = static_cast<uint16_t>(items_.back().column + 1);
        item.top = items_.back().top;
    } else {
        int tallest = 0;
        for (int i = rowStart(Count() - 1); i < Count(); ++i)
            tallest = std::max<int>(tallest, items_[static_cast<size_t>(i)].height);
        item.top = items_.back().top + tallest + Gap;
    }
    items_.push_back(item);
    int rowWidth = 0;
    for (int i = rowStart(Count() - 1); i < Count(); ++i)
        rowWidth += items_[static_cast<size_t>(i)].width + Gap;
    widestRow_ = std::max(widestRow_, rowWidth);
}

int TrpPageList::rowStart(int index) const {
    return index - items_[static_cast<size_t>(index)].column;
}

platform::Rect TrpPageList::PageRect(int index, double zoom, int clientWidth) const {
    using report::rpRound;
    if (index < 0 || index >= Count()) {
        const int left = leftOfRow(a4Width, zoom, clientWidth);
        const int top = rpRound(zoom * Gap);
        return {left, top, left + rpRound(zoom * a4Width), top + rpRound(zoom * a4Height)};
    }
    const TrpPageItem& item = Item(index);
    const int first = rowStart(index);
    int before = 0; // Σ (w + 10) of the pages before this one in its row
    for (int i = first; i < index; ++i)
        before += Item(i).width + Gap;
    int rowWidth = 0; // the row's pages with the gaps between them
    int i = first;
    for (; i < Count() && (i == first || Item(i).column > 0); ++i)
        rowWidth += Item(i).width;
    rowWidth += Gap * (i - first - 1);
    const int left = leftOfRow(rowWidth, zoom, clientWidth) + rpRound(zoom * before);
    const int top = rpRound(zoom * item.top);
    return {left, top, left + rpRound(zoom * item.width), top + rpRound(zoom * item.height)};
}

int TrpPageList::FindPage(int y, double zoom, bool exact) const {
    int lo = 0, hi = Count() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const TrpPageItem& item = Item(mid);
        const int d = exact ? 0 : report::rpRound(zoom * item.height / 5);
        if (y + d >= zoom * item.top)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return hi;
}

} // namespace preview
