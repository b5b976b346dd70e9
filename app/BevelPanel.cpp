// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BevelPanel.h"

#include "platform/Color.h"

#include <QPainter>

namespace app {

BevelPanel::BevelPanel(QWidget* parent, Bevel outer) : QWidget(parent), outer_(outer) {
    setAutoFillBackground(true);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    if (outer_ == Bevel::None)
        return;
    QPainter p(this);
    const QColor light = platform::toQColor(platform::clBtnHighlight);
    const QColor dark = platform::toQColor(platform::clBtnShadow);
    const QColor topLeft = outer_ == Bevel::Raised ? light : dark;
    const QColor bottomRight = outer_ == Bevel::Raised ? dark : light;
    const int r = width() - 1, b = height() - 1;
    p.setPen(topLeft);
    p.drawLine(0, 0, r - 1, 0);
    p.drawLine(0, 0, 0, b - 1);
    p.setPen(bottomRight);
    p.drawLine(r, 0, r, b);
    p.drawLine(0, b, r, b);
}

} // namespace app
