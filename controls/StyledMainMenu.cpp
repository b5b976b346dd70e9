// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/StyledMainMenu.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace controls {
namespace {

using platform::TColor;

constexpr int captionFlags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextExpandTabs;
// The platform's menu bar height at 96 dots per inch.
constexpr int systemMenuBarHeight = 20;
// The menu bar's own colour, behind a bar whose style gives none.
constexpr TColor clMenuBar = platform::systemColor(30);

// The colour at offset of extent along the gradient, each channel truncated toward zero.
TColor blend(TColor from, TColor to, int offset, int extent) {
    const auto channel = [&](int a, int b) { return a + offset * (b - a) / extent; };
    return platform::rgb(channel(platform::redOf(from), platform::redOf(to)),
                         channel(platform::greenOf(from), platform::greenOf(to)),
                         channel(platform::blueOf(from), platform::blueOf(to)));
}

void frame(QPainter& canvas, const QRect& r, TColor color) {
    const QColor c = platform::toQColor(color);
    if (!c.isValid())
        return;
    canvas.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    canvas.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    canvas.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    canvas.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

const TStyledMainMenu* ownerDrawn(const QWidget* widget) {
    const auto* menu = qobject_cast<const TStyledMainMenu*>(widget);
    return menu && menu->OwnerDraw() ? menu : nullptr;
}

// Gives the owner-drawn menu bar its item sizes and no margins of the platform style, and the
// keyboard access of a Windows menu bar (Alt, arrows, Enter) whatever the style.
class StyledMenuBarStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (const TStyledMainMenu* menu = ownerDrawn(widget)) {
            if (type == CT_MenuBarItem)
                if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                    return menu->MeasureItem(item->text);
            if (type == CT_MenuBar)
                return size;
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (ownerDrawn(widget)) {
            switch (metric) {
            case PM_MenuBarPanelWidth:
            case PM_MenuBarHMargin:
            case PM_MenuBarVMargin:
            case PM_MenuBarItemSpacing:
                return 0;
            default:
                break;
            }
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (qobject_cast<const TStyledMainMenu*>(widget)) {
            switch (hint) {
            case SH_MenuBar_AltKeyNavigation:
            case SH_MenuBar_MouseTracking:
                return 1;
            case SH_MainWindow_SpaceBelowMenuBar:
                if (ownerDrawn(widget))
                    return 0;
                break;
            default:
                break;
            }
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One style for every styled menu, living as long as the application.
QStyle* styledMenuBarStyle() {
    static QPointer<StyledMenuBarStyle> style;
    if (!style) {
        style = new StyledMenuBarStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void PaintBarGradient(QPainter& canvas, const QRect& rect, TColor from, TColor to,
                      TGradientDirection direction) {
    if (rect.isEmpty())
        return;
    if (to == platform::clNone || to == from) {
        canvas.fillRect(rect, platform::toQColor(from));
        return;
    }
    const TColor start = platform::colorToRgb(from);
    const TColor end = platform::colorToRgb(to);
    const bool columns = direction == gdHorizontal;
    const int extent = columns ? rect.width() : rect.height();
    // One pixel per colour in a strip, stretched across the bar: one image drawn instead of a
    // rectangle filled per pixel column. Unsmoothed stretching keeps every colour exact.
    QImage strip(columns ? QSize(extent, 1) : QSize(1, extent), QImage::Format_RGB32);
    for (int p = 0; p < extent; ++p) {
        const QColor c = platform::toQColor(blend(start, end, p, extent));
        strip.setPixel(columns ? p : 0, columns ? 0 : p, c.rgb());
    }
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(rect, strip);
    canvas.restore();
}

void PaintBarSection(QPainter& canvas, const QRect& full, const QRect& clip, TColor from, TColor to,
                     TGradientDirection direction) {
    const QRect area = clip & full;
    if (area.isEmpty())
        return;
    if (to == platform::clNone || to == from) {
        canvas.fillRect(area, platform::toQColor(from));
        return;
    }
    const TColor start = platform::colorToRgb(from);
    const TColor end = platform::colorToRgb(to);
    const bool columns = direction == gdHorizontal;
    const int extent = columns ? full.width() : full.height();
    const int first = columns ? area.left() - full.left() : area.top() - full.top();
    const int last = first + (columns ? area.width() : area.height());
    PaintBarGradient(canvas, area, blend(start, end, first, extent),
                     blend(start, end, last, extent), direction);
}

TStyledMainMenu::TStyledMainMenu(QWidget* parent) : QMenuBar(parent) {
    setAccessibleName(QString::fromUtf8("Főmenü")); // painted by hand
    // A desktop's global menu would take the bar away from the window, and its look with it.
    setNativeMenuBar(false);
    setStyle(styledMenuBarStyle());
    useStyler(nullptr);
}

TStyledMenuStyler* TStyledMainMenu::MenuStyler() const {
    return styler_;
}

void TStyledMainMenu::SetMenuStyler(TStyledMenuStyler* styler) {
    if (styler && styler == styler_)
        return;
    useStyler(styler);
}

void TStyledMainMenu::useStyler(TStyledMenuStyler* styler) {
    if (styler_) {
        disconnect(styler_, nullptr, this, nullptr);
        if (internalStyler_)
            delete styler_.data();
    }
    internalStyler_ = styler == nullptr;
    if (!styler) {
        styler = new TStyledMenuStyler(this);
        styler->setObjectName(QStringLiteral("InternalMenuStyler"));
    } else {
        // A style object that goes away leaves the menu with a new one of its own.
        connect(styler, &QObject::destroyed, this, [this] {
            styler_ = nullptr;
            useStyler(nullptr);
        });
    }
    styler_ = styler;
    connect(styler, &TStyledMenuStyler::changed, this, &TStyledMainMenu::styleChanged);
    styleChanged();
}

void TStyledMainMenu::SetOwnerDraw(bool ownerDraw) {
    if (ownerDraw == ownerDraw_)
        return;
    ownerDraw_ = ownerDraw;
    // Item sizes and margins change with it: let the bar measure its items again.
    QEvent styleChange(QEvent::StyleChange);
    QApplication::sendEvent(this, &styleChange);
    styleChanged();
}

void TStyledMainMenu::styleChanged() {
    // The font decides the item sizes; setting it makes the bar lay its items out anew.
    setFont(captionFont());
    update();
}

QFont TStyledMainMenu::captionFont() const {
    const TStyledRootItem& root = styler_->RootItem();
    QFont font = root.UseSystemFont ? QApplication::font("QMenuBar") : root.Font;
    font.setKerning(false);
    return font;
}

QSize TStyledMainMenu::MeasureItem(const QString& caption) const {
    const QFontMetrics metrics(captionFont());
    const int width = metrics.size(captionFlags, caption).width() + 2 * metrics.averageCharWidth();
    const int height = styler_->RootItem().UseSystemFont
                           ? std::max(systemMenuBarHeight, metrics.height() + 6)
                           : metrics.height() + 6;
    return {width, height};
}

TStyledMainMenu::ItemState TStyledMainMenu::stateOf(const QAction* action) const {
    // In keyboard mode the bar holds the focus and its active item is the chosen one.
    if (action == pressed_ || (hasFocus() && action == activeAction()))
        return ItemState::Selected;
    if (action == hot_)
        return ItemState::Hot;
    return ItemState::Normal;
}

void TStyledMainMenu::paintEvent(QPaintEvent* event) {
    if (!ownerDraw_) {
        QMenuBar::paintEvent(event);
        return;
    }
    QPainter canvas(this);
    const TStyledRootItem& root = styler_->RootItem();
    // Behind everything, for what no item covers (a bar without items, a wrapped second row).
    if (root.Color == platform::clNone)
        canvas.fillRect(rect(), platform::toQColor(clMenuBar));
    else
        PaintBarGradient(canvas, rect(), root.Color, root.ColorTo, root.GradientDirection);

    QList<const QAction*> items;
    for (const QAction* action : actions())
        if (action->isVisible() && !actionGeometry(const_cast<QAction*>(action)).isEmpty())
            items.append(action);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QAction* action = items[i];
        drawItem(canvas, action, actionGeometry(const_cast<QAction*>(action)), stateOf(action),
                 i == items.size() - 1);
    }
}

void TStyledMainMenu::drawItem(QPainter& canvas, const QAction* action, const QRect& rect,
                               ItemState state, bool last) const {
    const TStyledRootItem& root = styler_->RootItem();
    // The bar's gradient runs across the whole client width; the last item carries it on to the
    // right edge, so the bar shows one gradient however many items it has.
    const QRect bar(0, rect.top(), width(), rect.height());
    const auto barSection = [&](const QRect& clip) {
        if (root.Color != platform::clNone)
            PaintBarSection(canvas, bar, clip, root.Color, root.ColorTo, root.GradientDirection);
    };
    const QRect beyond(rect.right() + 1, rect.top(), width() - rect.right() - 1, rect.height());

    TColor textColor = root.FontColor;
    switch (state) {
    case ItemState::Selected:
        PaintBarGradient(canvas, rect, root.SelectedColor, root.SelectedColorTo,
                         root.SelectedGradientDirection);
        frame(canvas, rect, root.SelectedBorderColor);
        if (root.SelectedTextColor != platform::clNone)
            textColor = root.SelectedTextColor;
        break;
    case ItemState::Hot:
        PaintBarGradient(canvas, rect, root.HoverColor, root.HoverColorTo,
                         root.HoverGradientDirection);
        frame(canvas, rect, root.HoverBorderColor);
        if (root.HoverTextColor != platform::clNone)
            textColor = root.HoverTextColor;
        break;
    case ItemState::Normal:
        barSection(last ? rect.united(beyond) : rect);
        break;
    }
    if (last && state != ItemState::Normal)
        barSection(beyond);

    const QFont font = captionFont();
    const QString caption = action->text();
    const int textHeight = QFontMetrics(font).size(captionFlags, caption).height();
    const QRect textRect(rect.left(), rect.top() + (rect.height() - textHeight) / 2, rect.width(),
                         textHeight);
    const int flags = captionFlags | Qt::AlignHCenter | Qt::AlignTop;
    canvas.setFont(font);
    if (!action->isEnabled()) {
        // An embossed caption: a light copy one pixel down and right under the shadow colour.
        if (state != ItemState::Selected) {
            canvas.setPen(platform::toQColor(platform::clBtnHighlight));
            canvas.drawText(textRect.translated(1, 1), flags, caption);
        }
        textColor = platform::clBtnShadow;
    }
    canvas.setPen(platform::toQColor(textColor));
    canvas.drawText(textRect, flags, caption);
}

QAction* TStyledMainMenu::enabledActionAt(const QPoint& position) const {
    QAction* action = actionAt(position);
    return action && action->isEnabled() ? action : nullptr;
}

void TStyledMainMenu::setHot(QAction* action) {
    if (action == hot_)
        return;
    hot_ = action;
    update();
}

void TStyledMainMenu::mouseMoveEvent(QMouseEvent* event) {
    QMenuBar::mouseMoveEvent(event);
    setHot(enabledActionAt(event->position().toPoint()));
}

void TStyledMainMenu::leaveEvent(QEvent* event) {
    QMenuBar::leaveEvent(event);
    setHot(nullptr);
}

void TStyledMainMenu::mousePressEvent(QMouseEvent* event) {
    QMenuBar::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        pressed_ = enabledActionAt(event->position().toPoint());
        update();
    }
}

void TStyledMainMenu::keyPressEvent(QKeyEvent* event) {
    // Enter on a command chosen with the keyboard: the bar leaves keyboard mode first, which
    // hands the focus back to the field it came from, and only then runs the command. Run while
    // the bar held the focus, a command's dialog returned the focus to the bar when it closed,
    // and what the user typed next went nowhere.
    QAction* chosen = activeAction();
    const int key = event->key();
    if (hasFocus() && chosen && !chosen->menu() && chosen->isEnabled() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        QKeyEvent leave(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QMenuBar::keyPressEvent(&leave);
        event->accept();
        chosen->trigger();
        return;
    }
    QMenuBar::keyPressEvent(event);
}

void TStyledMainMenu::mouseReleaseEvent(QMouseEvent* event) {
    // The pressed look ends before the command runs: a command may take a while or open a dialog.
    if (pressed_) {
        pressed_ = nullptr;
        repaint();
    }
    QMenuBar::mouseReleaseEvent(event);
}

} // namespace controls
