#include "app/StandInUiFill.h"

#include <QLinearGradient>
#include <QPainter>
#include <utility>

namespace app {

TUiFill::TUiFill(QWidget* parent) : QWidget(parent) {}

void TUiFill::SetGradientColor(platform::TColor color) {
    if (std::exchange(gradientColor_, color) != color)
        update();
}

void TUiFill::SetGradientEndColor(platform::TColor color) {
    if (std::exchange(gradientEndColor_, color) != color)
        update();
}

void TUiFill::SetCaptionFontColor(platform::TColor color) {
    if (std::exchange(captionFontColor_, color) != color)
        update();
}

void TUiFill::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, platform::toQColor(gradientColor_));
    gradient.setColorAt(1, platform::toQColor(gradientEndColor_));
    p.fillRect(rect(), gradient);
    p.setPen(platform::toQColor(captionFontColor_));
    p.setFont(font());
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Caption);
}

} // namespace app
