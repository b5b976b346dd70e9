// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SchemeButton.h"

#include "controls/SchemeColors.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace controls {
namespace {

SchemeHue hueOf(TSchemeButton::TColorScheme scheme) {
    switch (scheme) {
    case TSchemeButton::csNeoDesert:
    case TSchemeButton::csDesert:
        return SchemeHue::desert;
    case TSchemeButton::csNeoSky:
    case TSchemeButton::csSky:
        return SchemeHue::sky;
    case TSchemeButton::csNeoGrass:
    case TSchemeButton::csGrass:
        return SchemeHue::grass;
    case TSchemeButton::csNeoRose:
    case TSchemeButton::csRose:
        return SchemeHue::rose;
    case TSchemeButton::csNeoSun:
    case TSchemeButton::csSun:
        return SchemeHue::sun;
    default:
        return SchemeHue::silver;
    }
}

bool isNeo(TSchemeButton::TColorScheme scheme) {
    return scheme <= TSchemeButton::csNeoSun;
}

} // namespace

TSchemeButton::TSchemeButton(QWidget* parent) : QPushButton(parent) {}

void TSchemeButton::setColorScheme(TColorScheme scheme) {
    if (scheme == scheme_)
        return;
    scheme_ = scheme;
    update();
}

void TSchemeButton::setCustomColors(const QColor& light, const QColor& dark) {
    customLight_ = light;
    customDark_ = dark;
    if (scheme_ == csCustom)
        update();
}

QColor TSchemeButton::ColorLight() const {
    return scheme_ == csCustom ? customLight_ : schemeColors(hueOf(scheme_)).light;
}

QColor TSchemeButton::ColorDark() const {
    return scheme_ == csCustom ? customDark_ : schemeColors(hueOf(scheme_)).dark;
}

void TSchemeButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor light = isEnabled() ? ColorLight() : QColor(235, 235, 235);
    const QColor dark = isEnabled() ? ColorDark() : QColor(160, 160, 160);
    const QColor mid = QColor::fromRgbF((light.redF() * 2 + dark.redF()) / 3,
                                        (light.greenF() * 2 + dark.greenF()) / 3,
                                        (light.blueF() * 2 + dark.blueF()) / 3);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    const bool pressed = isDown() || isChecked();
    if (isNeo(scheme_)) {
        // A glossy face: bright upper half, a step at the middle, deeper lower half.
        fill.setColorAt(0, pressed ? mid : light.lighter(108));
        fill.setColorAt(0.49, pressed ? mid.lighter(104) : light);
        fill.setColorAt(0.5, pressed ? light : mid);
        fill.setColorAt(1, pressed ? light.lighter(108) : mid.lighter(106));
    } else {
        fill.setColorAt(0, pressed ? mid : light);
        fill.setColorAt(1, pressed ? light : mid);
    }
    QPainterPath outline;
    outline.addRoundedRect(face, 3, 3);
    p.fillPath(outline, fill);
    if (underMouse() && !pressed)
        p.fillPath(outline, QColor(255, 255, 255, 40));
    p.setPen(QPen(dark, isDefault() ? 2.0 : 1.0));
    p.drawPath(outline);
    if (hasFocus()) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(dark, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
    p.setPen(isEnabled() ? dark.darker(150) : dark);
    p.setFont(font());
    p.drawText(rect().translated(pressed ? 1 : 0, pressed ? 1 : 0),
               Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

} // namespace controls
