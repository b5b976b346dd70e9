// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GradientLines.h"

#include <QPainter>

namespace controls {
namespace {

// extent / segments, halves to the even neighbour.
int segmentLength(int extent, int segments) {
    const int quotient = extent / segments;
    const int twiceRemainder = 2 * (extent % segments);
    if (twiceRemainder > segments || (twiceRemainder == segments && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

int blend(int start, int end, double t) {
    return static_cast<int>(start + (end - start) * t); // truncated toward zero
}

} // namespace

void DrawGradientLines(QPainter& canvas, const QRect& rect, bool vertical,
                       const std::vector<platform::TColor>& colors) {
    if (colors.size() < 2)
        throw EMathError("Please specify at least two colors");
    const int extent = vertical ? rect.width() : rect.height();
    std::vector<platform::TColor> rgb;
    rgb.reserve(colors.size());
    for (const platform::TColor c : colors)
        rgb.push_back(platform::colorToRgb(c));
    const int segments = static_cast<int>(rgb.size()) - 1;
    const int length = segmentLength(extent, segments);
    for (int i = 0; i < segments; ++i) {
        const platform::TColor from = rgb[i], to = rgb[i + 1];
        const int m = i == segments - 1 ? extent - i * length - 1 : length;
        for (int j = 0; j <= m; ++j) {
            const int p = i * length + j;
            // With many colours on a short extent the rounded segments overrun the rectangle.
            if (p >= extent)
                break;
            const double t = m == 0 ? 0.0 : static_cast<double>(j) / m;
            const QColor color(blend(platform::redOf(from), platform::redOf(to), t),
                               blend(platform::greenOf(from), platform::greenOf(to), t),
                               blend(platform::blueOf(from), platform::blueOf(to), t));
            // A one-pixel line without its end point is exactly this one-pixel-wide rectangle.
            if (vertical)
                canvas.fillRect(QRect(rect.left() + p, rect.top(), 1, rect.height()), color);
            else
                canvas.fillRect(QRect(rect.left(), rect.top() + p, rect.width(), 1), color);
        }
    }
}

} // namespace controls
