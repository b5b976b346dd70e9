// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DialogUnits.h"
#include "controls/LangDlgs.h"

#include "platform/TestHooks.h"

#include "support/AccessibleWalk.h"
#include "support/ModalAnswerer.h"

#include "platform/MulDiv.h"
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace controls;
using platform::MulDiv;

namespace {

const std::string title = "K\xE9rek egy jelsz\xF3t!";
const std::string prompt = "A jelsz\xF3 a k\xE9s\xF5"
                           "bbi visszat\xF6lt\xE9sn\xE9l kell majd:";

class InputDialog : public ::testing::Test {
protected:
    void SetUp() override {
        resetDlgSettings();
        DlgLanguage = 10;
        previousBeep_ = platform::setBeepHandler([this] { ++beeps; });
    }
    void TearDown() override {
        resetDlgSettings();
        platform::setBeepHandler(previousBeep_);
    }

    int beeps = 0;

private:
    std::function<void()> previousBeep_;
};

QLineEdit* editOf(QWidget* dialog) {
    return dialog->findChild<QLineEdit*>();
}

void typeText(QWidget* target, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

TEST_F(InputDialog, OkReturnsTheVisibleTextAsTyped) {
    std::string value = "old";
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) {
        QLineEdit* edit = editOf(dialog);
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
        EXPECT_EQ(edit->maxLength(), 255);
        EXPECT_EQ(edit->text(), "");
        typeText(edit, QString::fromUtf8("Tükörfúrógép ŐŰ"));
        EXPECT_EQ(edit->displayText(), QString::fromUtf8("Tükörfúrógép ŐŰ"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_TRUE(LangInputQuery(title, prompt, "", value));
    EXPECT_EQ(value, "T\xFCk\xF6rf\xFAr\xF3g\xE9p \xD5\xDB");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, QString::fromUtf8("Kérek egy jelszót!"));
    EXPECT_EQ(answerer.seen()[0].text,
              QString::fromUtf8("A jelszó a későbbi visszatöltésnél kell majd:"));
}

TEST_F(InputDialog, ThePassPhraseIsNamedByThePromptAndTheButtonsByTheirCaptions) {
    std::string value;
    std::vector<AccessibleField> fields;
    QString label;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        fields = focusableFields(dialog);
        const auto relations =
            QAccessible::queryAccessibleInterface(editOf(dialog))->relations(QAccessible::Label);
        if (!relations.isEmpty())
            label = relations.front().first->text(QAccessible::Name);
        ModalAnswerer::reject()(dialog);
    });
    LangInputQuery(title, prompt, "", value);
    EXPECT_EQ(unnamedOrRepeated(fields), "");
    QStringList names;
    for (const AccessibleField& field : fields)
        names << field.name;
    names.sort();
    EXPECT_EQ(names, QStringList({QString::fromUtf8("A jelszó a későbbi visszatöltésnél kell majd"),
                                  QString::fromUtf8("Mégsem"), "OK"}));
    EXPECT_EQ(label, QString::fromUtf8("A jelszó a későbbi visszatöltésnél kell majd:"));
}

TEST_F(InputDialog, CancelEscapeAndClosingLeaveTheDefault) {
    const std::vector<ModalAnswerer::Answer> refusals = {
        ModalAnswerer::clickButton(QString::fromUtf8("Mégsem")),
        [](QWidget* dialog) {
            editOf(dialog)->setText("typed");
            QTest::keyClick(editOf(dialog), Qt::Key_Escape);
        },
        [](QWidget* dialog) {
            editOf(dialog)->setText("typed");
            dialog->close();
        },
    };
    for (const auto& refuse : refusals) {
        std::string value = "garbage";
        ModalAnswerer answerer;
        answerer.then(refuse);
        EXPECT_FALSE(LangInputQuery(title, prompt, "", value));
        EXPECT_EQ(value, "");
        EXPECT_EQ(answerer.pendingAnswers(), 0);
    }
    std::string value = "kept";
    ModalAnswerer answerer;
    answerer.then(ModalAnswerer::reject());
    EXPECT_FALSE(LangInputQueryEx(title, prompt, value, 10));
    EXPECT_EQ(value, "kept");
}

TEST_F(InputDialog, ButtonsAndLayoutFollowTheAverageCharacterSize) {
    std::string value;
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) {
        const auto [cx, cy] = averageCharSize(dialog->font());
        EXPECT_EQ(dialog->size(), QSize(MulDiv(180, cx, 4), MulDiv(63, cy, 8)));
        const auto buttons = dialog->findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 2);
        QPushButton* ok = buttons[0];
        QPushButton* cancel = buttons[1];
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(cancel->text(), QString::fromUtf8("Mégsem"));
        const int bw = MulDiv(50, cx, 4), bh = MulDiv(14, cy, 8), top = MulDiv(41, cy, 8);
        EXPECT_EQ(ok->geometry(), QRect(MulDiv(38, cx, 4), top, bw, bh));
        EXPECT_EQ(cancel->geometry(), QRect(MulDiv(92, cx, 4), top, bw, bh));
        const auto* label = dialog->findChild<QLabel*>();
        EXPECT_EQ(label->pos(), QPoint(MulDiv(8, cx, 4), MulDiv(8, cy, 8)));
        const QLineEdit* edit = editOf(dialog);
        EXPECT_EQ(edit->x(), label->x());
        EXPECT_EQ(edit->y(), MulDiv(19, cy, 8));
        EXPECT_EQ(edit->width(), MulDiv(164, cx, 4));
        ModalAnswerer::reject()(dialog);
    });
    LangInputQuery("Jelsz\xF3"
                   "ellen\xF5rz\xE9s",
                   "K\xE9rem a jelsz\xF3t", "", value);

    ModalAnswerer english;
    english.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChildren<QPushButton*>()[1]->text(), "Cancel");
        ModalAnswerer::reject()(dialog);
    });
    LangInputQueryLang("x", "y", "", value, 0);
}

TEST_F(InputDialog, DefaultIsShownSelectedAndTheLengthIsLimited) {
    std::string value;
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) {
        QLineEdit* edit = editOf(dialog);
        EXPECT_EQ(edit->text(), QString::fromUtf8("előző"));
        EXPECT_EQ(edit->selectedText(), edit->text());
        edit->setText(QString(255, 'a'));
        typeText(edit, QStringLiteral("b"));
        ModalAnswerer::accept()(dialog);
    });
    EXPECT_TRUE(LangInputQuery("x", "y", "el\xF5z\xF5", value));
    EXPECT_EQ(value, std::string(255, 'a'));
}

TEST_F(InputDialog, CharactersOutsideCodePage1250AreRefusedWithABeep) {
    std::string value;
    ModalAnswerer answerer;
    answerer.then([this](QWidget* dialog) {
        QLineEdit* edit = editOf(dialog);
        typeText(edit, QString::fromUtf8("ab"));
        typeText(edit, QString::fromUtf8("漢"));
        EXPECT_EQ(beeps, 1);
        QApplication::clipboard()->setText(QString::fromUtf8("x õ y"));
        edit->paste();
        EXPECT_EQ(beeps, 2);
        QApplication::clipboard()->setText(QString::fromUtf8("ő€"));
        edit->paste();
        EXPECT_EQ(beeps, 2);
        ModalAnswerer::accept()(dialog);
    });
    EXPECT_TRUE(LangInputQuery("x", "y", "", value));
    EXPECT_EQ(value, "ab\xF5\x80");
}
