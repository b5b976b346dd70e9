// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How assistive technology (a screen reader over AT-SPI) sees the numeric edit: an editable text
// like any line edit, whose number is offered as well through the value interface. Qt's own
// interface for line edits cannot be extended, so this one answers the text questions from the
// edit's public state.
#include <QAccessibleWidget>
#include <QVariant>

namespace controls {

class TNumEdit;

class TNumEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleValueInterface {
public:
    explicit TNumEditAccessible(TNumEdit* edit);

    // Makes every numeric edit answer with this interface; the edit's constructor calls it.
    static void Install();
    // The number the edit shows; no value while its text is no number (written directly in
    // another locale's shape), since a question from outside must never raise the parse error.
    static QVariant NumberOf(const TNumEdit& edit);
    // Tells assistive technology that the number changed.
    static void NotifyValueChanged(TNumEdit& edit);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleValueInterface. Setting a value is refused while the edit is read-only or
    // disabled; within a range it is kept to the range.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // QAccessibleTextInterface: the edit's one line, its caret and its one selection.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TNumEdit* edit() const;
};

} // namespace controls
