// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Print baseline's window: a bare Qt widget that paints the certificate's page (recorded at
// 96 dpi, so 100 %) on a gray desk, as the preview shows it.
#include "bench/BarePage.h"

#include <QWidget>

namespace bench {

class BarePageWindow : public QWidget {
public:
    explicit BarePageWindow(BarePainter& painter) : painter_(painter) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::gray);
        painter.fillRect(QRect(10, 10, 794, 1123), Qt::white);
        painter.translate(10, 10);
        painter_.draw(painter);
    }

private:
    BarePainter& painter_;
};

} // namespace bench
