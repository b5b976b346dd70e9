// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TUiFill: a band of colour with a one-line caption over it, the title bar of a form section.
// Its look lives in three sub-objects (Bevel, Caption, FillObject with its Gradient); each reports
// its real changes, and the control repaints: an opaque one (a gradient fill) at once, a
// transparent one at the window system's next paint.
#include "controls/UiCaption.h"
#include "controls/UiGradient.h"
#include "controls/UiPersistent.h"

#include <QWidget>

namespace controls {

enum TUiBevelMode { bmNone, bmCustom };
enum TUiBevelStyle { bvNone, bvLowered, bvRaised };

// A frame inside the control's edge: with bmCustom an outer line, BorderWidth pixels, an inner
// line and BorderInnerWidth pixels; a line of style bvNone takes no room.
class TUiBevel : public TUiPersistent {
public:
    TUiBevelMode Mode() const { return mode_; }
    void SetMode(TUiBevelMode mode);
    TUiBevelStyle StyleOuter() const { return styleOuter_; }
    void SetStyleOuter(TUiBevelStyle style);
    TUiBevelStyle StyleInner() const { return styleInner_; }
    void SetStyleInner(TUiBevelStyle style);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    int BorderInnerWidth() const { return borderInnerWidth_; }
    void SetBorderInnerWidth(int width);

    int Width() const;
    // Draws the frame and returns the rectangle inside it.
    QRect Paint(QPainter& canvas, const QRect& rect) const;

private:
    TUiBevelMode mode_ = bmNone;
    TUiBevelStyle styleOuter_ = bvNone;
    TUiBevelStyle styleInner_ = bvNone;
    int borderWidth_ = 0;
    int borderInnerWidth_ = 0;
};

// Only sfGradient paints (and is opaque); the picture and brush fills have nothing to paint with
// here and leave the control transparent, like sfNone.
enum TUiFillStyle { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient };

enum TUiFillOption : unsigned { foFillInner = 1, foQuickDraw = 2, foGrUseBitmap = 4 };
using TUiFillOptions = unsigned; // a set of TUiFillOption

class TUiFillObject : public TUiPersistent {
public:
    TUiFillObject();

    TUiFillStyle Style() const { return style_; }
    void SetStyle(TUiFillStyle style);
    TUiFillOptions Options() const { return options_; }
    void SetOptions(TUiFillOptions options);
    TUiGradient& Gradient() { return gradient_; }
    const TUiGradient& Gradient() const { return gradient_; }

    bool IsOpaque() const { return style_ == sfGradient; }
    void Paint(QPainter& canvas, const QRect& rect) const;

private:
    TUiFillStyle style_ = sfNone;
    TUiFillOptions options_ = foFillInner | foGrUseBitmap;
    TUiGradient gradient_;
};

class TUiFill : public QWidget {
    Q_OBJECT

public:
    explicit TUiFill(QWidget* parent = nullptr);

    TUiBevel& Bevel() { return bevel_; }
    TUiCaption& Caption() { return caption_; }
    TUiFillObject& FillObject() { return fillObject_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void subObjectChanged();

    TUiBevel bevel_;
    TUiCaption caption_;
    TUiFillObject fillObject_;
};

} // namespace controls
