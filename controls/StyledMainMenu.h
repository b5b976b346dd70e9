// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TStyledMainMenu: the window's menu bar, drawn by the program itself. The bar shows one
// continuous gradient up to the window's right edge; the item under the pointer and the item that
// is pressed or chosen with the keyboard get framed gradient highlights. Commands stand directly on
// the bar (addAction) and run on click; Alt, the arrow keys and Enter reach them from the keyboard.
//
//     auto* menu = new controls::TStyledMainMenu(window);
//     window->setMenuBar(menu);
//     connect(menu->addAction(u"Nyomtatás"_s), &QAction::triggered, ...);
#include "controls/StyledMenuStyler.h"

#include <QMenuBar>
#include <QPointer>
#include <string>

class QPainter;

namespace controls {

// One-pixel lines across rect, columns for gdHorizontal (colour changing left to right) and rows
// for gdVertical (top to bottom); line p of E has each channel from + p × (to − from) / E,
// truncated. A `to` of clNone or equal to `from` is a flat fill.
void PaintBarGradient(QPainter& canvas, const QRect& rect, platform::TColor from,
                      platform::TColor to, TGradientDirection direction);

// The part of the gradient over `full` that lies inside `clip`, so that sections painted side by
// side join into one gradient.
void PaintBarSection(QPainter& canvas, const QRect& full, const QRect& clip, platform::TColor from,
                     platform::TColor to, TGradientDirection direction);

class TStyledMainMenu : public QMenuBar {
    Q_OBJECT

public:
    explicit TStyledMainMenu(QWidget* parent = nullptr);

    // The assigned style object, else the menu's own one ("InternalMenuStyler") with the defaults.
    TStyledMenuStyler* MenuStyler() const;
    // Assigning none (again) makes the menu use a new internal style object; so does the
    // destruction of an assigned one.
    void SetMenuStyler(TStyledMenuStyler* styler);

    // Off: the platform draws the bar as any other.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool ownerDraw);

    static std::string Version() { return "1.2.3.0"; }

    // A menu bar item: the caption's width on one line in the caption font plus the platform's
    // margin of one average character on either side; the system menu bar height (or the text
    // height + 6 with a font of the style's own).
    QSize MeasureItem(const QString& caption) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class ItemState { Normal, Hot, Selected };

    ItemState stateOf(const QAction* action) const;
    void drawItem(QPainter& canvas, const QAction* action, const QRect& rect, ItemState state,
                  bool last) const;
    QFont captionFont() const;
    QAction* enabledActionAt(const QPoint& position) const;
    void setHot(QAction* action);
    void useStyler(TStyledMenuStyler* styler);
    void styleChanged();

    QPointer<TStyledMenuStyler> styler_;
    bool internalStyler_ = false;
    bool ownerDraw_ = true;
    QPointer<QAction> hot_;
    QPointer<QAction> pressed_;
};

} // namespace controls
