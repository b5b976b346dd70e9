// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SchemePanel.h"

#include "controls/SchemeColors.h"

#include <QLinearGradient>
#include <QPainter>

namespace controls {
namespace {

SchemeHue hueOf(TSchemePanel::TColorScheme scheme) {
    switch (scheme) {
    case TSchemePanel::csDesert:
        return SchemeHue::desert;
    case TSchemePanel::csGrass:
        return SchemeHue::grass;
    case TSchemePanel::csSky:
        return SchemeHue::sky;
    case TSchemePanel::csRose:
        return SchemeHue::rose;
    case TSchemePanel::csSun:
        return SchemeHue::sun;
    default:
        return SchemeHue::silver;
    }
}

} // namespace

TSchemePanel::TSchemePanel(QWidget* parent) : QWidget(parent) {}

void TSchemePanel::setColorScheme(TColorScheme scheme) {
    if (scheme == scheme_)
        return;
    scheme_ = scheme;
    update();
}

void TSchemePanel::setCustomColors(const QColor& light, const QColor& dark) {
    customLight_ = light;
    customDark_ = dark;
    if (scheme_ == csCustom)
        update();
}

QColor TSchemePanel::ColorLight() const {
    return scheme_ == csCustom ? customLight_ : schemeColors(hueOf(scheme_)).light;
}

QColor TSchemePanel::ColorDark() const {
    return scheme_ == csCustom ? customDark_ : schemeColors(hueOf(scheme_)).dark;
}

void TSchemePanel::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    setAccessibleName(caption); // the caption is painted by hand
    update();
}

void TSchemePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor light = ColorLight();
    const QColor dark = ColorDark();
    QLinearGradient fill(rect().topLeft(), rect().bottomLeft());
    fill.setColorAt(0, light.lighter(104));
    fill.setColorAt(1, light.darker(108));
    p.fillRect(rect(), fill);
    p.setPen(dark);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!caption_.isEmpty()) {
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

} // namespace controls
