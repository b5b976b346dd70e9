// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/UiFill.h"

#include "platform/Cp1250.h"

#include <QPainter>
#include <exception>

namespace controls {

// ---- TUiBevel ----

void TUiBevel::SetMode(TUiBevelMode mode) {
    if (assign(mode_, mode))
        Changed();
}

void TUiBevel::SetStyleOuter(TUiBevelStyle style) {
    if (assign(styleOuter_, style))
        Changed();
}

void TUiBevel::SetStyleInner(TUiBevelStyle style) {
    if (assign(styleInner_, style))
        Changed();
}

void TUiBevel::SetBorderWidth(int width) {
    if (assign(borderWidth_, std::max(0, width)))
        Changed();
}

void TUiBevel::SetBorderInnerWidth(int width) {
    if (assign(borderInnerWidth_, std::max(0, width)))
        Changed();
}

int TUiBevel::Width() const {
    if (mode_ == bmNone)
        return 0;
    return (styleOuter_ != bvNone ? 1 : 0) + borderWidth_ + (styleInner_ != bvNone ? 1 : 0) +
           borderInnerWidth_;
}

QRect TUiBevel::Paint(QPainter& canvas, const QRect& rect) const {
    if (mode_ == bmNone)
        return rect;
    const auto line = [&canvas](const QRect& r, TUiBevelStyle style) {
        if (style == bvNone || r.isEmpty())
            return;
        const QColor light = platform::toQColor(platform::clBtnHighlight);
        const QColor dark = platform::toQColor(platform::clBtnShadow);
        const QColor& topLeft = style == bvRaised ? light : dark;
        const QColor& bottomRight = style == bvRaised ? dark : light;
        canvas.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        canvas.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        canvas.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        canvas.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    };
    QRect r = rect;
    line(r, styleOuter_);
    if (styleOuter_ != bvNone)
        r.adjust(1, 1, -1, -1);
    r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    line(r, styleInner_);
    if (styleInner_ != bvNone)
        r.adjust(1, 1, -1, -1);
    r.adjust(borderInnerWidth_, borderInnerWidth_, -borderInnerWidth_, -borderInnerWidth_);
    return r;
}

// ---- TUiFillObject ----

TUiFillObject::TUiFillObject() {
    gradient_.SetOnChange([this] { Changed(); });
}

void TUiFillObject::SetStyle(TUiFillStyle style) {
    if (assign(style_, style))
        Changed();
}

void TUiFillObject::SetOptions(TUiFillOptions options) {
    if (assign(options_, options))
        Changed();
}

void TUiFillObject::Paint(QPainter& canvas, const QRect& rect) const {
    if (style_ == sfGradient)
        gradient_.PaintGradientBands(canvas, rect, options_ & foGrUseBitmap);
}

// ---- TUiFill ----

TUiFill::TUiFill(QWidget* parent) : QWidget(parent) {
    // A windowless control: it draws on its parent and never takes the focus.
    setFocusPolicy(Qt::NoFocus);
    bevel_.SetOnChange([this] { subObjectChanged(); });
    caption_.SetOnChange([this] {
        // Painted by hand, so screen readers learn the section's title from here.
        setAccessibleName(platform::toUnicode(caption_.Caption()).trimmed());
        subObjectChanged();
    });
    fillObject_.SetOnChange([this] { subObjectChanged(); });
}

void TUiFill::subObjectChanged() {
    const bool opaque = fillObject_.IsOpaque();
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    // An opaque control covers what lies behind it, so it can paint at once; a transparent one
    // needs its parent painted first.
    if (opaque)
        repaint();
    else
        update();
}

void TUiFill::paintEvent(QPaintEvent*) {
    // A failure while painting leaves the control as far as it got.
    try {
        QPainter canvas(this);
        const QRect whole = rect();
        const QRect inner = bevel_.Paint(canvas, whole);
        fillObject_.Paint(canvas, (fillObject_.Options() & foFillInner) ? inner : whole);
        caption_.DrawCaptionText(canvas, inner);
    } catch (const std::exception&) {
    }
}

} // namespace controls
