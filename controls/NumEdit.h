// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line edit box for a single number. The text is the only state: it is kept in the shape of
// a number keystroke by keystroke, regrouped with the thousands separator after each key
// (Thousands), and normalised when the focus leaves; Value() parses it whenever it is asked for.
// text() and setText() are the box's own: setText puts a string in unchanged.
#include "platform/Color.h"
#include "platform/NumberText.h"

#include <QLineEdit>
#include <functional>

namespace controls {

// The edit's number shapes and separators are those of the number text (platform/NumberText.h).
using platform::NumberSeparators;
using platform::TNumberFormat;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TNumEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TNumEdit(QWidget* parent = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    // -1 (as many as the value needs) or 0..14; limited further by MaxLength.
    int Decimals() const { return decimals_; }
    void SetDecimals(int decimals);

    TNumberFormat NumberFormat() const { return numberFormat_; }
    void SetNumberFormat(TNumberFormat format);

    // The range enforced when the focus leaves; both 0 means none. An assignment that would put
    // the minimum above the maximum is ignored, so raising both bounds sets MaxValue first.
    long double MinValue() const { return minValue_; }
    void SetMinValue(long double value);
    long double MaxValue() const { return maxValue_; }
    void SetMaxValue(long double value);

    long double Value() const;
    void SetValue(long double value);
    // A whole amount entered at once, as the box leaves a typed one: parsed (ConvertError when it
    // is no number), held to the range and shown in the box's number format.
    void EnterText(const QString& text);

    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color);
    platform::TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(platform::TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }

    // Limits what the user types (0 = no limit); setText is not limited.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }

    // Raised instead of the built-in correction when the value is out of range on leaving.
    void SetOnInvalidEntry(std::function<void()> handler) { onInvalidEntry_ = std::move(handler); }
    // Raised when the focus has left with a value in range.
    void SetOnExit(std::function<void()> handler) { onExit_ = std::move(handler); }

    // The number-text operations with this box's separators and settings.
    QString StripGroupSeparators(const QString& text) const;
    long double ParseNumber(const QString& text) const;
    QString FormatNumber(long double value) const;
    // The text in the shape leaving the box gives it ("123456" becomes "123 456" with Thousands);
    // raises platform::Error, the text unchanged, when it is no number.
    void Reformat();

    // Editing operations of the keys and the clipboard. key is Qt::Key_Backspace or Qt::Key_Delete.
    void DeleteNumberChar(int key);
    void DeleteNumberSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void HandleInvalidEntry();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QChar decimalSeparator() const;
    QChar thousandSeparator() const;
    void setTextAndCaret(const QString& text, int caret);
    void typeCharacter(QChar ch, bool pasted);
    void insertTyped(QChar ch);
    void regroup(int releasedKey);
    void normaliseOnExit();
    void showColor();
    platform::TColor parentBackground() const;
    void reportLater(const std::exception& error);

    TAlignment alignment_ = taRightJustify;
    int decimals_ = -1;
    TNumberFormat numberFormat_ = TNumberFormat::Standard;
    long double minValue_ = 0;
    long double maxValue_ = 0;
    platform::TColor color_ = platform::clWindow;
    platform::TColor disabledColor_ = platform::clBtnFace;
    bool parentColor_ = false;
    bool autoSelect_ = true;
    int maxLength_ = 0;
    std::function<void()> onInvalidEntry_;
    std::function<void()> onExit_;

    bool selectOnClick_ = false;
    bool swallowDrag_ = false; // the click that gave the focus selected everything
    bool showingColor_ = false;
};

} // namespace controls
