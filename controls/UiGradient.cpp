// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/UiGradient.h"

#include "platform/MulDiv.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace controls {
TUiGradient::TUiGradient() {
    BuildGradientColors();
}

void TUiGradient::SetColor(platform::TColor color) {
    if (assign(color_, color))
        rebuildAndReport();
}

void TUiGradient::SetEndColor(platform::TColor color) {
    if (assign(endColor_, color))
        rebuildAndReport();
}

void TUiGradient::SetStyle(TUiGradientStyle style) {
    if (assign(style_, style))
        rebuildAndReport();
}

void TUiGradient::SetColorCount(int count) {
    if (assign(colorCount_, std::clamp(count, 2, 236)))
        rebuildAndReport();
}

void TUiGradient::rebuildAndReport() {
    BuildGradientColors();
    Changed();
}

void TUiGradient::BuildGradientColors() {
    const platform::TColor s = platform::colorToRgb(color_);
    const platform::TColor e = platform::colorToRgb(endColor_);
    const int n = colorCount_;
    colors_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto channel = [&](int from, int to) {
            return from + platform::MulDiv(i, to - from, n - 1);
        };
        colors_[static_cast<size_t>(i)] =
            platform::rgb(channel(platform::redOf(s), platform::redOf(e)),
                          channel(platform::greenOf(s), platform::greenOf(e)),
                          channel(platform::blueOf(s), platform::blueOf(e)));
    }
}

void TUiGradient::PaintGradientBands(QPainter& canvas, const QRect& rect, bool offScreen) const {
    if (rect.isEmpty())
        return;
    const auto paint = [&](QPainter& target, const QRect& area) {
        const int n = static_cast<int>(colors_.size());
        const bool columns = style_ == gstHorizontal;
        const int extent = columns ? area.width() : area.height();
        for (int i = n - 1; i >= 0; --i) {
            const int from = platform::MulDiv(i, extent, n);
            const int to = platform::MulDiv(i + 1, extent, n);
            if (to <= from)
                continue;
            const QRect band = columns
                                   ? QRect(area.left() + from, area.top(), to - from, area.height())
                                   : QRect(area.left(), area.top() + from, area.width(), to - from);
            target.fillRect(band, platform::toQColor(colors_[static_cast<size_t>(i)]));
        }
    };
    if (!offScreen) {
        paint(canvas, rect);
        return;
    }
    QImage image(rect.size(), QImage::Format_RGB32);
    {
        QPainter imagePainter(&image);
        paint(imagePainter, image.rect());
    }
    canvas.drawImage(rect.topLeft(), image);
}

} // namespace controls
