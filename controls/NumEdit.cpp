// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/NumEdit.h"

#include "controls/Beep.h"
#include "controls/ErrorReport.h"
#include "controls/NumEditAccessible.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace controls {
namespace {

constexpr char16_t ctrlC = 3;
constexpr char16_t ctrlV = 22;
constexpr char16_t ctrlX = 24;
constexpr int largestExponent = 4932; // of the extended type

bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// What a key press types. Control with a letter types the control character of that letter, as the
// platform's keyboard does, so that Ctrl+C, Ctrl+V and Ctrl+X are told apart from other control
// characters (which are refused) whatever text the key event carries.
QString typedText(const QKeyEvent* event) {
    const auto modifiers = event->modifiers();
    const int key = event->key();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z)
        return QString(QChar(static_cast<char16_t>(key - Qt::Key_A + 1)));
    return event->text();
}

// Switching windows, a popup or the menu bar in keyboard mode take the focus only for a while:
// the field is neither entered nor left.
bool isPassingFocusChange(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

// Alt or Meta without Control belongs to the menu and shortcuts; Control with Alt is AltGr.
bool isMenuChord(const QKeyEvent* event) {
    const auto modifiers = event->modifiers();
    return (modifiers & (Qt::AltModifier | Qt::MetaModifier)) && !(modifiers & Qt::ControlModifier);
}

// Whether an exponent text ("12", "-4933") names a power beyond the extended type's range. A text
// that is not an integer is left to the parser to refuse later.
bool exponentOutOfRange(const QString& exponent) {
    int i = 0;
    if (i < exponent.size() && (exponent[i] == u'-' || exponent[i] == u'+'))
        ++i;
    long value = 0;
    for (; i < exponent.size(); ++i) {
        const char16_t c = exponent[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c - u'0');
        if (value > largestExponent)
            return true;
    }
    return false;
}

} // namespace

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(parent) {
    TNumEditAccessible::Install();
    // Dropped text would bypass the character rules.
    setAcceptDrops(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resize(100, sizeHint().height());
    QLineEdit::setText(QStringLiteral("0"));
    showColor();
    // Screen readers read the number through the value interface as well as the text.
    connect(this, &QLineEdit::textChanged, this,
            [this] { TNumEditAccessible::NotifyValueChanged(*this); });
}

QChar TNumEdit::decimalSeparator() const {
    return platform::toUnicode(NumberSeparators::current().decimal);
}

QChar TNumEdit::thousandSeparator() const {
    return platform::toUnicode(NumberSeparators::current().thousand);
}

// ---- properties ----

void TNumEdit::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    const Qt::Alignment horizontal = alignment == taLeftJustify    ? Qt::AlignLeft
                                     : alignment == taRightJustify ? Qt::AlignRight
                                                                   : Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignVCenter);
}

void TNumEdit::SetDecimals(int decimals) {
    if (decimals == decimals_)
        return;
    if (decimals < 0)
        decimals = -1;
    else if (decimals > 14)
        decimals = 14;
    if (maxLength_ > 0 && decimals > maxLength_ - 2)
        decimals = maxLength_ - 2;
    decimals_ = decimals;
    Reformat();
}

void TNumEdit::SetNumberFormat(TNumberFormat format) {
    numberFormat_ = format;
    Reformat();
}

void TNumEdit::SetMinValue(long double value) {
    if (value != minValue_ && value <= maxValue_)
        minValue_ = value;
}

void TNumEdit::SetMaxValue(long double value) {
    if (value != maxValue_ && value >= minValue_)
        maxValue_ = value;
}

long double TNumEdit::Value() const {
    return ParseNumber(text());
}

void TNumEdit::SetValue(long double value) {
    const QString formatted = FormatNumber(value);
    if (formatted != text())
        QLineEdit::setText(formatted);
}

void TNumEdit::EnterText(const QString& text) {
    long double value = ParseNumber(text);
    if (minValue_ != 0 || maxValue_ != 0)
        value = std::clamp(value, minValue_, maxValue_);
    QLineEdit::setText(FormatNumber(value));
}

void TNumEdit::SetColor(platform::TColor color) {
    color_ = color;
    if (isEnabled())
        showColor();
    if (parentWidget() && parentBackground() != platform::colorToRgb(color))
        parentColor_ = false;
}

void TNumEdit::SetDisabledColor(platform::TColor color) {
    disabledColor_ = color;
    if (!isEnabled())
        showColor();
}

void TNumEdit::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor_ && parentWidget()) {
        color_ = parentBackground();
        showColor();
    }
}

platform::TColor TNumEdit::parentBackground() const {
    const QWidget* parent = parentWidget();
    const QColor c = parent->palette().color(parent->backgroundRole());
    return platform::rgb(c.red(), c.green(), c.blue());
}

void TNumEdit::showColor() {
    showingColor_ = true;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, platform::toQColor(isEnabled() ? color_ : disabledColor_));
    setPalette(palette);
    showingColor_ = false;
}

void TNumEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        showColor();
    } else if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) &&
               parentColor_ && !showingColor_ && parentWidget()) {
        color_ = parentBackground();
        showColor();
    }
}

// ---- number text ----

QString TNumEdit::StripGroupSeparators(const QString& text) const {
    return platform::toUnicode(platform::StripGroupSeparators(
        platform::toCp1250(text), NumberSeparators::current().thousand));
}

long double TNumEdit::ParseNumber(const QString& text) const {
    return platform::ParseNumber(platform::toCp1250(text), NumberSeparators::current());
}

QString TNumEdit::FormatNumber(long double value) const {
    return platform::toUnicode(
        platform::FormatNumber(value, numberFormat_, decimals_, NumberSeparators::current()));
}

void TNumEdit::Reformat() {
    QLineEdit::setText(FormatNumber(ParseNumber(text())));
}

void TNumEdit::setTextAndCaret(const QString& text, int caret) {
    QLineEdit::setText(text);
    setCursorPosition(std::clamp(caret, 0, static_cast<int>(text.size())));
}

// ---- deleting ----

// Positions below are 1-based character positions as the rules count them; the caret is the number
// of characters before it.
void TNumEdit::DeleteNumberChar(int key) {
    QString s = text();
    const int length = static_cast<int>(s.size());
    const int c = cursorPosition();
    const QChar ds = decimalSeparator();
    const QChar ts = thousandSeparator();
    const int p = static_cast<int>(s.indexOf(ds)) + 1;
    const int eIndex = static_cast<int>(s.indexOf(u'E'));
    const int x = eIndex < 0 ? length + 1 : eIndex + 1;
    // Only a leading sign makes the number negative: a minus in the exponent does not, or deleting
    // the first digit of "5E-3" would leave "E-3", which no longer reads as a number.
    const bool negative = s.startsWith(u'-');
    const auto skipped = [&](int position) {
        const QChar ch = s.at(position - 1);
        return ch == u'E' || ch == ts || ch == ds;
    };

    int t;
    if (key == Qt::Key_Delete) {
        if (c + 1 > length)
            return;
        t = c + 1;
        if (skipped(t))
            ++t;
    } else {
        if (c == 0)
            return;
        t = c;
        if (skipped(t))
            --t;
    }
    if (t == 0 || t > length)
        return;

    if (p != 0 && p < t && t < x) {
        // A fraction digit: with fixed decimals the fraction keeps its length.
        s.remove(t - 1, 1);
        if (decimals_ > 0)
            s.insert(eIndex < 0 ? s.size() : eIndex - 1, u'0');
        setTextAndCaret(s, t - 1);
    } else if (t == 1 && negative) {
        s.remove(0, 1);
        if (s.isEmpty())
            s = QStringLiteral("0");
        setTextAndCaret(s, 0);
    } else if (t == 1 && (t == p - 1 || t == x - 1 || t == length)) {
        // The only integer digit becomes 0 rather than leaving no digit in front.
        s[0] = u'0';
        setTextAndCaret(s, 1);
    } else {
        s.remove(t - 1, 1);
        if ((numberFormat_ == TNumberFormat::Scientific ||
             numberFormat_ == TNumberFormat::Engineering) &&
            s.endsWith(u'E'))
            s += u'0';
        setTextAndCaret(s, t - 1);
    }
}

void TNumEdit::DeleteNumberSelection() {
    if (!hasSelectedText())
        return;
    const QString selected = selectedText();
    if (selected == text()) {
        setTextAndCaret(FormatNumber(0), 0);
        return;
    }
    int count = static_cast<int>(StripGroupSeparators(selected).size());
    if (selected.contains(decimalSeparator()))
        --count;
    setCursorPosition(selectionEnd());
    for (int i = 0; i < count; ++i)
        DeleteNumberChar(Qt::Key_Backspace);
}

// ---- typing ----

void TNumEdit::typeCharacter(QChar ch, bool pasted) {
    const char16_t code = ch.unicode();
    // A pasted text is typed character by character; the clipboard keys inside it are refused
    // like any other control character (a pasted Ctrl+V would otherwise paste forever).
    if (!pasted) {
        if (code == ctrlC)
            return CopyToClipboard();
        if (code == ctrlV)
            return PasteFromClipboard();
        if (code == ctrlX)
            return CutToClipboard();
    }
    const QChar ds = decimalSeparator();
    const bool digit = code >= u'0' && code <= u'9';
    if (!(ch == u'-' || digit || ch == u'E' || ch == u'e' || (ch == ds && decimals_ != 0))) {
        beep();
        return;
    }
    if (ch == u'e')
        ch = u'E';

    if (ch == u'E' || ch == ds) {
        if (hasSelectedText())
            setCursorPosition(selectionStart());
    } else {
        DeleteNumberSelection();
    }

    QString s = text();
    int c = cursorPosition();
    const int p = static_cast<int>(s.indexOf(ds)) + 1;
    const int x = static_cast<int>(s.indexOf(u'E')) + 1;
    const bool negative = s.startsWith(u'-');
    const bool exponentNegative = x != 0 && s.indexOf(u'-', x) >= 0;
    // Nothing goes in front of a sign.
    if (negative && c == 0)
        c = 1;
    if (exponentNegative && c == x)
        c = x + 1;
    setCursorPosition(c);

    if (ch == u'-') {
        // The minus toggles the sign of the part the caret is in; it is never typed as such.
        if (x == 0 || c < x) {
            if (negative)
                setTextAndCaret(s.mid(1), c - 1);
            else
                setTextAndCaret(u'-' + s, c + 1);
        } else if (exponentNegative) {
            s.remove(s.indexOf(u'-', x), 1);
            setTextAndCaret(s, c - 1);
        } else {
            s.insert(x, u'-');
            setTextAndCaret(s, c + 1);
        }
        return;
    }

    if (ch == ds) {
        if (p != 0) {
            setCursorPosition(p);
            return;
        }
        if (decimals_ < 0)
            setCursorPosition(x != 0 ? x - 1 : static_cast<int>(s.size()));
        insertTyped(ch);
        return;
    }

    if (ch == u'E') {
        if (x != 0) {
            setCursorPosition(x);
            return;
        }
        setCursorPosition(static_cast<int>(s.size()));
        insertTyped(ch);
        return;
    }

    // A digit.
    if (c <= 2 && negative && s.size() >= 2 && s.at(1) == u'0') {
        setSelection(1, 1);
    } else if (c <= 1 && !s.isEmpty() && s.at(0) == u'0') {
        setSelection(0, 1);
    } else if (x != 0 && c == x && s.size() > x && s.at(x) == u'0') {
        setSelection(x, 1);
    } else if (x != 0 && c >= x) {
        if (exponentOutOfRange(s.mid(x, c - x) + ch + s.mid(c))) {
            beep();
            return;
        }
    } else if (decimals_ >= 1 && p != 0) {
        // Fixed decimals: digits after the separator overwrite, and a full fraction takes no more.
        // (Without a separator, as in a text set from outside, digits are simply inserted.)
        if (c == p + decimals_) {
            beep();
            return;
        }
        if (c >= p)
            setSelection(c, 1);
    }
    insertTyped(ch);
}

void TNumEdit::insertTyped(QChar ch) {
    if (maxLength_ > 0 && text().size() - selectedText().size() + 1 > maxLength_) {
        beep();
        return;
    }
    insert(QString(ch));
}

void TNumEdit::regroup(int releasedKey) {
    if (numberFormat_ != TNumberFormat::Thousands || hasSelectedText())
        return;
    const QString old = text();
    const QString formatted = FormatNumber(ParseNumber(old));
    const QChar ts = thousandSeparator();
    const auto oldCount = old.count(ts);
    const auto newCount = formatted.count(ts);
    const bool forced = releasedKey == Qt::Key_Return || releasedKey == Qt::Key_Enter ||
                        releasedKey == Qt::Key_Space;
    if (oldCount == newCount && old.indexOf(ts) == formatted.indexOf(ts) && !forced)
        return;
    // The caret stays beside the digit it was beside.
    const QChar ds = decimalSeparator();
    int caret = std::max(0, cursorPosition() + static_cast<int>(newCount - oldCount));
    const bool hadDs = old.contains(ds);
    const bool hasDs = formatted.contains(ds);
    if (hasDs && !hadDs)
        ++caret;
    else if (hadDs && !hasDs)
        --caret;
    caret = std::clamp(caret, 0, static_cast<int>(formatted.size()));
    if (caret < formatted.size() && formatted.at(caret) == ts)
        ++caret;
    setTextAndCaret(formatted, caret);
}

// ---- clipboard ----

void TNumEdit::CopyToClipboard() {
    QGuiApplication::clipboard()->setText(StripGroupSeparators(selectedText()));
}

void TNumEdit::CutToClipboard() {
    if (isReadOnly())
        return;
    CopyToClipboard();
    DeleteNumberSelection();
}

void TNumEdit::PasteFromClipboard() {
    if (isReadOnly())
        return;
    const QString pasted = QGuiApplication::clipboard()->text();
    DeleteNumberSelection();
    for (QChar ch : pasted)
        typeCharacter(ch, true);
}

// ---- events ----

void TNumEdit::keyPressEvent(QKeyEvent* event) {
    selectOnClick_ = false;
    const int key = event->key();
    // The box's own deletion never runs: it knows nothing of separators and signs.
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        if (!isReadOnly()) {
            if (hasSelectedText())
                DeleteNumberSelection();
            else
                DeleteNumberChar(key);
        }
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste)) {
        if (event->matches(QKeySequence::Cut))
            CutToClipboard();
        else
            PasteFromClipboard();
        event->accept();
        return;
    }
    const QString typed = typedText(event);
    if (typed.isEmpty() || isMenuChord(event)) {
        if (isNavigationKey(key) && !isMenuChord(event))
            QLineEdit::keyPressEvent(event);
        else
            event->ignore();
        return;
    }
    if (isReadOnly()) {
        beep();
    } else {
        for (QChar ch : typed)
            typeCharacter(ch, false);
    }
    // Enter and Esc are refused here but keep their meaning for a dialog around the box.
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        event->ignore();
    else
        event->accept();
}

void TNumEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    try {
        regroup(event->key());
    } catch (const platform::Error& error) {
        reportLater(error);
    }
}

void TNumEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!isReadOnly())
        for (QChar ch : event->commitString())
            typeCharacter(ch, false);
    event->accept();
}

void TNumEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const auto reason = event->reason();
    if (isPassingFocusChange(reason))
        return;
    if (reason == Qt::MouseFocusReason && (QGuiApplication::mouseButtons() & Qt::LeftButton))
        selectOnClick_ = true;
    if (autoSelect_)
        selectAll();
    else
        deselect();
}

void TNumEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!isPassingFocusChange(event->reason()))
        normaliseOnExit();
}

void TNumEdit::normaliseOnExit() {
    long double value;
    try {
        Reformat();
        value = Value();
    } catch (const platform::Error& error) {
        reportLater(error);
        return;
    }
    if ((minValue_ != 0 || maxValue_ != 0) && (value < minValue_ || value > maxValue_))
        HandleInvalidEntry();
    else if (onExit_)
        onExit_();
}

void TNumEdit::HandleInvalidEntry() {
    if (onInvalidEntry_) {
        onInvalidEntry_();
        return;
    }
    const long double value = Value();
    if (value < minValue_)
        SetValue(minValue_);
    else if (value > maxValue_)
        SetValue(maxValue_);
    beep();
    // Taking the focus back while it is still moving away would confuse the move; do it after.
    if (isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus)
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void TNumEdit::reportLater(const std::exception& error) {
    // Shown by the application's standard error report once the event that failed is over.
    QTimer::singleShot(0, this,
                       [message = std::string(error.what())] { showErrorReport(message); });
}

void TNumEdit::mousePressEvent(QMouseEvent* event) {
    const bool selectEverything =
        std::exchange(selectOnClick_, false) && event->button() == Qt::LeftButton && autoSelect_;
    swallowDrag_ = selectEverything;
    if (selectEverything) {
        // The click that gave the focus selects everything instead of placing the caret.
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TNumEdit::mouseMoveEvent(QMouseEvent* event) {
    if (swallowDrag_ && (event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void TNumEdit::mouseReleaseEvent(QMouseEvent* event) {
    swallowDrag_ = false;
    // The middle button's selection paste would bypass the character rules.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TNumEdit::contextMenuEvent(QContextMenuEvent* event) {
    selectOnClick_ = false;
    // The box's own menu would cut, paste and delete past the number rules.
    const bool editable = !isReadOnly();
    const bool selection = hasSelectedText();
    QMenu menu(this);
    menu.addAction(QString::fromUtf8("&Kivágás"), this, &TNumEdit::CutToClipboard)
        ->setEnabled(editable && selection);
    menu.addAction(QString::fromUtf8("&Másolás"), this, &TNumEdit::CopyToClipboard)
        ->setEnabled(selection);
    menu.addAction(QString::fromUtf8("&Beillesztés"), this, &TNumEdit::PasteFromClipboard)
        ->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
    menu.addAction(QString::fromUtf8("&Törlés"), this, &TNumEdit::DeleteNumberSelection)
        ->setEnabled(editable && selection);
    menu.addSeparator();
    menu.addAction(QString::fromUtf8("Az összes kijelölése"), this, &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
    event->accept();
}

} // namespace controls
