// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/NumEdit.h"
#include "controls/StyledMainMenu.h"
#include "platform/Error.h"
#include "platform/RegionalSettings.h"
#include "platform/TestHooks.h"
#include "support/ModalAnswerer.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;

// Readable failure messages for QString comparisons.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// A window with the numeric edit and a plain edit to move the focus to, the separators of the
// examples (DS ",", TS " ") and a beep counter.
class NumEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSettings_ = platform::regionalSettings();
        setSeparators(',', ' ');
        previousBeep_ = platform::setBeepHandler([this] { ++beeps; });
        window_ = std::make_unique<QWidget>();
        window_->resize(300, 100);
        edit = new TNumEdit(window_.get());
        edit->move(10, 10);
        other = new QLineEdit(window_.get());
        other->move(10, 50);
        edit->SetNumberFormat(TNumberFormat::Thousands);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        other->setFocus();
    }

    void TearDown() override {
        window_.reset();
        platform::setBeepHandler(previousBeep_);
        platform::setRegionalSettings(savedSettings_);
    }

    static void setSeparators(char ds, char ts) {
        platform::RegionalSettings s = platform::regionalSettings();
        s.decimalSeparator = ds;
        s.thousandSeparator = ts;
        platform::setRegionalSettings(s);
    }

    // Focus by Tab, as a user would arrive in the field.
    void tabIn() {
        other->setFocus(Qt::TabFocusReason);
        edit->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(edit->hasFocus());
    }

    void leave() {
        other->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    // Starts editing from a given text with the caret at a given place.
    void start(const QString& text, int caret) {
        tabIn();
        edit->setText(text);
        edit->setCursorPosition(caret);
    }

    void type(const QString& keys) {
        for (QChar c : keys) {
            if (c.unicode() < 128)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(edit, key, modifiers);
    }

    int beeps = 0;
    TNumEdit* edit = nullptr;
    QLineEdit* other = nullptr;

private:
    platform::RegionalSettings savedSettings_;
    std::function<void()> previousBeep_;
    std::unique_ptr<QWidget> window_;
};

} // namespace

TEST_F(NumEditTest, StartsAsTheCertificateExpects) {
    TNumEdit fresh;
    EXPECT_EQ(fresh.text(), "0");
    EXPECT_EQ(fresh.Value(), 0.0L);
    EXPECT_EQ(fresh.Decimals(), -1);
    EXPECT_EQ(fresh.NumberFormat(), TNumberFormat::Standard);
    EXPECT_EQ(fresh.Alignment(), taRightJustify);
    EXPECT_TRUE(fresh.alignment() & Qt::AlignRight);
    EXPECT_EQ(fresh.width(), 100);
    EXPECT_TRUE(fresh.AutoSelect());
}

TEST_F(NumEditTest, TypingGroupsTheDigitsWithTheCaretAtTheEnd) {
    tabIn();
    EXPECT_EQ(edit->selectedText(), "0"); // AutoSelect
    const QStringList expected = {"1", "12", "123", "1 234", "12 345"};
    for (int i = 0; i < 5; ++i) {
        type(QString::number(i + 1));
        EXPECT_EQ(edit->text(), expected[i]);
        EXPECT_EQ(edit->cursorPosition(), expected[i].size()) << "after " << i + 1;
    }
    EXPECT_EQ(beeps, 0);
}

TEST_F(NumEditTest, MinusTogglesTheSignWhereverTheCaretIsInTheMantissa) {
    for (int caret : {0, 2, 5}) {
        start("1 234", caret);
        type("-");
        EXPECT_EQ(edit->text(), "-1 234") << "caret " << caret;
        type("-");
        EXPECT_EQ(edit->text(), "1 234") << "caret " << caret;
    }
    // In the exponent it toggles the exponent's sign.
    edit->SetNumberFormat(TNumberFormat::Standard);
    start("12E5", 4);
    type("-");
    EXPECT_EQ(edit->text(), "12E-5");
    type("-");
    EXPECT_EQ(edit->text(), "12E5");
    EXPECT_EQ(beeps, 0);
}

TEST_F(NumEditTest, DecimalSeparatorInTheMiddleGoesToTheEnd) {
    start("1 234", 2);
    type(",");
    EXPECT_EQ(edit->text(), "1 234,");
    type("5");
    EXPECT_EQ(edit->text(), "1 234,5");
    // A second separator only moves the caret behind the first.
    edit->setCursorPosition(0);
    type(",9");
    EXPECT_EQ(edit->text(), "1 234,95");
    // With no decimals the separator is refused.
    edit->SetDecimals(0);
    EXPECT_EQ(edit->text(), "1 235");
    type(",");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(edit->text(), "1 235");
}

TEST_F(NumEditTest, BackspaceSkipsSeparatorsAndKeepsAnIntegerDigit) {
    start("1 234", 2);
    press(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "234");
    EXPECT_EQ(edit->cursorPosition(), 0);

    start("5,25", 1);
    press(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "0,25");

    start("12 345", 3);
    press(Qt::Key_Delete); // the digit after the caret
    EXPECT_EQ(edit->text(), "1 245");

    start("5E-3", 1); // the exponent's minus does not make the number negative
    edit->SetNumberFormat(TNumberFormat::Standard);
    edit->setText("5E-3");
    edit->setCursorPosition(1);
    press(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "0E-3");

    start("-7", 1);
    press(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "7");
    EXPECT_EQ(beeps, 0);
}

TEST_F(NumEditTest, FixedDecimalsOverwriteAndBeepWhenFull) {
    edit->SetDecimals(2);
    EXPECT_EQ(edit->text(), "0,00");
    start("12,50", 3);
    type("7");
    EXPECT_EQ(edit->text(), "12,70");
    edit->setCursorPosition(5);
    type("1");
    EXPECT_EQ(edit->text(), "12,70");
    EXPECT_EQ(beeps, 1);

    start("12,50", 3);
    press(Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "12,00");
    edit->setCursorPosition(5);
    press(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "12,00");

    // Overwriting the whole text starts again from "0,00".
    tabIn();
    type("5");
    EXPECT_EQ(edit->text(), "5,00");
}

TEST_F(NumEditTest, ThousandsCapsSignificantDigitsWhenLeavingStandardDoesNot) {
    start("0", 1);
    edit->SetNumberFormat(TNumberFormat::Standard);
    type("1234,12345678901234");
    leave();
    EXPECT_EQ(edit->text(), "1234,12345678901234");

    edit->SetNumberFormat(TNumberFormat::Thousands);
    EXPECT_EQ(edit->text(), "1 234,12345678901");
}

TEST_F(NumEditTest, TextWrittenDirectlyStaysUntilAKeyIsReleasedOrTheFocusLeaves) {
    tabIn();
    edit->setText("1234567");
    EXPECT_EQ(edit->text(), "1234567");
    edit->setCursorPosition(7);
    press(Qt::Key_Left);
    EXPECT_EQ(edit->text(), "1 234 567");

    edit->setText("7654321");
    leave();
    EXPECT_EQ(edit->text(), "7 654 321");

    // Space and Enter are refused but regroup on release.
    tabIn();
    edit->setText("1 2345");
    edit->setCursorPosition(6);
    press(Qt::Key_Space);
    EXPECT_EQ(edit->text(), "12 345");
    EXPECT_EQ(beeps, 1);
}

TEST_F(NumEditTest, RangeIsEnforcedWhenTheFocusLeaves) {
    edit->SetMinValue(10);
    EXPECT_EQ(edit->MinValue(), 0.0L); // above the maximum 0: ignored
    edit->SetMaxValue(100);
    edit->SetMinValue(10);
    EXPECT_EQ(edit->MinValue(), 10.0L);
    EXPECT_EQ(edit->MaxValue(), 100.0L);

    start("5", 1);
    leave();
    EXPECT_EQ(edit->text(), "10");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(edit->hasFocus());

    edit->setText("1000");
    leave();
    EXPECT_EQ(edit->text(), "100");
    EXPECT_EQ(beeps, 2);

    // An assigned handler replaces the correction.
    int invalid = 0;
    int exits = 0;
    edit->SetOnInvalidEntry([&] { ++invalid; });
    edit->SetOnExit([&] { ++exits; });
    start("5", 1);
    exits = 0; // the focus moved through the box on the way in
    leave();
    EXPECT_EQ(edit->text(), "5");
    EXPECT_EQ(invalid, 1);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(other->hasFocus());
    start("50", 2);
    leave();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(beeps, 2);
}

TEST_F(NumEditTest, ClipboardCopiesWithoutSeparatorsAndPastesAsTyped) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    start("1 234", 0);
    edit->selectAll();
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "1234");

    edit->setSelection(0, 3); // "1 2"
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "12");
    EXPECT_EQ(edit->text(), "34");

    clipboard->setText("5a6");
    edit->setCursorPosition(2);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "3 456"); // regrouped on the key release
    EXPECT_EQ(beeps, 1);              // for the "a"

    edit->deselect();
    edit->CopyToClipboard();
    EXPECT_EQ(clipboard->text(), "0"); // an empty selection copies "0"
}

TEST_F(NumEditTest, ExponentIsTypedAtTheEndAndRegroupsWhenItHasDigits) {
    start("12", 2);
    type("E");
    EXPECT_EQ(edit->text(), "12E");
    EXPECT_EQ(edit->Value(), 12.0L);
    type("5");
    EXPECT_EQ(edit->text(), "1 200 000");

    // An exponent beyond the extended type's range is refused.
    edit->SetNumberFormat(TNumberFormat::Scientific);
    start("1E493", 5);
    type("3");
    EXPECT_EQ(edit->text(), "1E493");
    EXPECT_EQ(beeps, 1);
    type("2");
    EXPECT_EQ(edit->text(), "1E4932");
}

TEST_F(NumEditTest, RefusedKeysBeepAndChangeNothing) {
    start("12", 2);
    type("a ");
    press(Qt::Key_Z, Qt::ControlModifier); // no undo behind the rules' back
    press(Qt::Key_Return);
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(beeps, 4);

    edit->setReadOnly(true);
    type("3");
    press(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(beeps, 5);
}

TEST_F(NumEditTest, OtherSeparatorsComeFromTheRegionalSettings) {
    setSeparators('.', ',');
    start("0", 1);
    type("1234.5");
    EXPECT_EQ(edit->text(), "1,234.5");
    setSeparators(',', '\xA0'); // the Hungarian no-break space
    start("0", 1);
    type("98765,4");
    EXPECT_EQ(edit->text(), QString::fromUtf8("98\u00A0765,4"));
    press(Qt::Key_Home);
    edit->setSelection(0, 3);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "98");
    EXPECT_EQ(beeps, 0);
}

TEST_F(NumEditTest, ClickThatGivesTheFocusSelectsEverything) {
    edit->setText("1 234");
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(10, edit->height() / 2));
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), "1 234");
    // The next click places the caret.
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 3, edit->height() / 2));
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST_F(NumEditTest, UnreadableTextIsReportedAndKeptWhenLeaving) {
    ModalAnswerer answerer;
    tabIn();
    edit->setText("1.234"); // another locale's separator
    leave();
    // The report is queued; it shows once the focus change is over.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.seen().empty(); }));
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "'1.234' is not a valid floating point value.");
    EXPECT_EQ(edit->text(), "1.234");
    EXPECT_THROW(edit->Value(), platform::ConvertError);
    EXPECT_THROW(edit->SetNumberFormat(TNumberFormat::Standard), platform::ConvertError);
}

TEST_F(NumEditTest, ColoursFollowTheEnabledState) {
    edit->SetColor(platform::rgb(1, 2, 3));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(1, 2, 3));
    edit->SetDisabledColor(platform::rgb(4, 5, 6));
    edit->setEnabled(false);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(4, 5, 6));
    edit->setEnabled(true);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(1, 2, 3));
}

TEST_F(NumEditTest, ParentColorFollowsTheParentsBackground) {
    QWidget* parent = edit->parentWidget();
    QPalette palette = parent->palette();
    palette.setColor(QPalette::Window, QColor(7, 8, 9));
    parent->setPalette(palette);
    edit->SetParentColor(true);
    EXPECT_EQ(edit->Color(), platform::rgb(7, 8, 9));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(7, 8, 9));

    palette.setColor(QPalette::Window, QColor(11, 12, 13));
    parent->setPalette(palette);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(11, 12, 13));

    edit->SetColor(platform::rgb(1, 2, 3));
    EXPECT_FALSE(edit->ParentColor());
    edit->SetColor(platform::rgb(11, 12, 13));
    parent->setPalette(palette);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(11, 12, 13));
}

TEST_F(NumEditTest, MenuBarInKeyboardModeDoesNotLeaveTheField) {
    auto* menu = new TStyledMainMenu(edit->window());
    int runs = 0;
    QObject::connect(menu->addAction(QStringLiteral("Print")), &QAction::triggered,
                     [&] { ++runs; });
    menu->show();
    edit->SetMaxValue(100);
    edit->SetMinValue(10);
    start("5", 1);
    QTest::keyClick(edit, Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(menu->hasFocus());
    QTest::keyClick(menu, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), "5");
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(runs, 0);
}
