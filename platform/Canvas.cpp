// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Canvas.h"

#include "platform/FontCache.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

bool Rect::intersects(const Rect& other) const {
    return !intersected(other).isEmpty();
}

Rect Rect::intersected(const Rect& other) const {
    return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
}

void Canvas::setBrush(const CanvasBrush& brush) {
    brush_ = brush;
    if (brush.style == BrushStyle::Solid) {
        backgroundColor_ = brush.color;
        backgroundMode_ = BackgroundMode::Opaque;
    } else {
        backgroundMode_ = BackgroundMode::Transparent;
    }
}

void Canvas::polyline(std::span<const Point> points) {
    for (size_t i = 1; i < points.size(); ++i)
        line(points[i - 1], points[i]);
}

void Canvas::parallelLines(Point from, Point to, int count) {
    count = std::max(count, 1);
    const bool horizontal = std::abs(to.x - from.x) > std::abs(to.y - from.y);
    for (int k = -(count / 2); k <= (count - 1) / 2; ++k) {
        const Point shift = horizontal ? Point{0, k} : Point{k, 0};
        line({from.x + shift.x, from.y + shift.y}, {to.x + shift.x, to.y + shift.y});
    }
}

std::vector<int> Canvas::textExtents(std::string_view text) const {
    return cumulativeExtents(glyphLineFor(font_, text));
}

int Canvas::textWidth(std::string_view text) const {
    const std::vector<int> extents = textExtents(text);
    return extents.empty() ? 0 : extents.back();
}

FontMetrics Canvas::fontMetrics() const {
    return metricsFor(font_);
}

} // namespace platform
