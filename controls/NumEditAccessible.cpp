// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/NumEditAccessible.h"

#include "controls/NumEdit.h"

#include <QAccessible>
#include <QFontMetrics>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <exception>
#include <mutex>

namespace controls {
namespace {

QAccessibleInterface* numEditFactory(const QString& className, QObject* object) {
    if (object && object->isWidgetType() &&
        className == QLatin1String(TNumEdit::staticMetaObject.className()))
        return new TNumEditAccessible(static_cast<TNumEdit*>(object));
    return nullptr;
}

bool hasRange(const TNumEdit& edit) {
    return edit.MinValue() != 0 || edit.MaxValue() != 0;
}

} // namespace

TNumEditAccessible::TNumEditAccessible(TNumEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

void TNumEditAccessible::Install() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(numEditFactory); });
}

QVariant TNumEditAccessible::NumberOf(const TNumEdit& edit) {
    try {
        return QVariant(static_cast<double>(edit.Value()));
    } catch (const std::exception&) {
        return {};
    }
}

void TNumEditAccessible::NotifyValueChanged(TNumEdit& edit) {
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(&edit, NumberOf(edit));
    QAccessible::updateAccessibility(&event);
}

TNumEdit* TNumEditAccessible::edit() const {
    return static_cast<TNumEdit*>(widget());
}

QString TNumEditAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return edit()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State TNumEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (edit()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    state.selectableText = true;
    return state;
}

void* TNumEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// ---- value ----

QVariant TNumEditAccessible::currentValue() const {
    return NumberOf(*edit());
}

void TNumEditAccessible::setCurrentValue(const QVariant& value) {
    TNumEdit* e = edit();
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (e->isReadOnly() || !e->isEnabled() || !isNumber || !std::isfinite(number))
        return;
    long double x = number;
    if (hasRange(*e))
        x = std::clamp(x, e->MinValue(), e->MaxValue());
    e->SetValue(x);
}

QVariant TNumEditAccessible::maximumValue() const {
    return hasRange(*edit()) ? static_cast<double>(edit()->MaxValue()) : DBL_MAX;
}

QVariant TNumEditAccessible::minimumValue() const {
    return hasRange(*edit()) ? static_cast<double>(edit()->MinValue()) : -DBL_MAX;
}

QVariant TNumEditAccessible::minimumStepSize() const {
    // As many decimals as the value needs: any step.
    const int decimals = edit()->Decimals();
    return decimals < 0 ? 0.0 : std::pow(10.0, -decimals);
}

// ---- text ----

void TNumEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    const TNumEdit* e = edit();
    if (selectionIndex != 0 || !e->hasSelectedText())
        return;
    *startOffset = e->selectionStart();
    *endOffset = e->selectionEnd();
}

int TNumEditAccessible::selectionCount() const {
    return edit()->hasSelectedText() ? 1 : 0;
}

void TNumEditAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void TNumEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        edit()->deselect();
}

void TNumEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int TNumEditAccessible::cursorPosition() const {
    return edit()->cursorPosition();
}

void TNumEditAccessible::setCursorPosition(int position) {
    edit()->setCursorPosition(position);
}

QString TNumEditAccessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset)
        return {};
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int TNumEditAccessible::characterCount() const {
    return static_cast<int>(edit()->text().size());
}

QRect TNumEditAccessible::characterRect(int offset) const {
    // Measured from the caret, which the edit places wherever its alignment and scrolling put
    // the text; a number's digits have no kerning, so advances add up.
    const TNumEdit* e = edit();
    const QString shown = e->text();
    offset = std::clamp(offset, 0, static_cast<int>(shown.size()));
    const QFontMetrics metrics(e->font());
    const QRect caret = e->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(e->cursorPosition()));
    const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 1;
    const QRect local(x, caret.top(), width, caret.height());
    return QRect(e->mapToGlobal(local.topLeft()), local.size());
}

int TNumEditAccessible::offsetAtPoint(const QPoint& point) const {
    TNumEdit* e = edit(); // cursorPositionAt is not const, though it changes nothing
    const QPoint local = e->mapFromGlobal(point);
    return e->rect().contains(local) ? e->cursorPositionAt(local) : -1;
}

void TNumEditAccessible::scrollToSubstring(int startIndex, int endIndex) {
    // Moving the caret scrolls the edit; the start last, so that it stays in sight.
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString TNumEditAccessible::attributes(int, int* startOffset, int* endOffset) const {
    // One run without attributes: the whole text is in the edit's one font.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace controls
