// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DialogUnits.h"
#include "controls/LangDlgs.h"
#include "controls/SchemeButton.h"
#include "controls/SchemePanel.h"

#include "support/ModalAnswerer.h"

#include "platform/Cp1250.h"
#include "platform/MulDiv.h"
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace controls;
using platform::MulDiv;

namespace {

const std::string wrongPassword = "Hib\xE1s jelsz\xF3!           .";

class MessageDialog : public ::testing::Test {
protected:
    void SetUp() override { resetDlgSettings(); }
    void TearDown() override {
        resetDlgSettings();
        TMessageForm::setApplicationHelp({});
    }
};

QPushButton* button(QWidget* form, const char* name) {
    return form->findChild<QPushButton*>(QString::fromLatin1(name));
}

QStringList buttonCaptions(QWidget* form) {
    QStringList captions;
    for (const QPushButton* b : form->findChildren<QPushButton*>())
        captions << b->text();
    return captions;
}

// Shows the dialog without a modal loop so that a test can send it keys and look at it after.
void showAndPress(TMessageForm& form, Qt::Key key) {
    form.show();
    QWidget* target = form.focusWidget() ? form.focusWidget() : &form;
    QTest::keyClick(target, key);
}

int screenWidth() {
    return QGuiApplication::primaryScreen()->geometry().width();
}

} // namespace

TEST_F(MessageDialog, LayoutFollowsTheAverageCharacterSize) {
    const auto form = CreateLangMessageDialog(wrongPassword, mtInformation, {mbOK}, 10);
    const auto [cx, cy] = averageCharSize(form->font());
    ASSERT_GT(cx, 0);
    const int hm = MulDiv(8, cx, 4), vm = MulDiv(8, cy, 8), hs = MulDiv(10, cx, 4);
    const int vs = MulDiv(10, cy, 8), bw = MulDiv(50, cx, 4), bh = MulDiv(14, cy, 8);
    // Measured in the form's font and in the bold font that draws it, the larger of the two.
    const QString wrong = QString::fromUtf8("Hibás jelszó!           .");
    const QSize text = wrappedTextSize(form->font(), screenWidth() / 2, wrong)
                           .expandedTo(wrappedTextSize(DlgFont(), screenWidth() / 2, wrong));
    const int iw = text.width() + 32 + hs, ih = std::max(text.height(), 32);
    const QSize client(std::max(iw, bw) + 2 * hm, ih + bh + vs + 2 * vm);
    EXPECT_EQ(form->size(), client);
    EXPECT_EQ(form->minimumSize(), client); // fixed size
    EXPECT_EQ(form->maximumSize(), client);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->pos(), QPoint(screen.width() / 2 - form->frameGeometry().width() / 2,
                                  screen.height() / 2 - form->frameGeometry().height() / 2));
    const auto* image = form->findChild<QLabel*>(QStringLiteral("Image"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->geometry(), QRect(hm, vm, 32, 32));
    const auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->geometry(), QRect(32 + hs + hm, vm, text.width(), 2 * text.height()));
    EXPECT_EQ(button(form.get(), "OK")->geometry(),
              QRect((client.width() - bw) / 2, ih + vm + vs, bw, bh));
}

TEST_F(MessageDialog, BlanksCountInTheMessageWidthAndTheTextIsBoldVerdana) {
    const auto form = CreateLangMessageDialog(wrongPassword, mtInformation, {mbOK}, 10);
    const auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    ASSERT_TRUE(message);
    // The whole line, its blanks and the final "." included, stays on one line as drawn.
    for (const char* utf8 : {"Hibás jelszó!           .", "Nincs mentés!           ."}) {
        const auto shown =
            CreateLangMessageDialog(platform::fromUtf8(utf8), mtInformation, {mbOK}, 10);
        const auto* label = shown->findChild<QLabel*>(QStringLiteral("Message"));
        EXPECT_EQ(label->heightForWidth(label->width()), label->heightForWidth(100000)) << utf8;
    }
    const int withoutBlanks =
        wrappedTextSize(form->font(), 10000, QString::fromUtf8("Hibás jelszó!")).width();
    EXPECT_GT(message->width(), withoutBlanks);
    EXPECT_EQ(message->text(), QString::fromUtf8("Hibás jelszó!           ."));
    EXPECT_EQ(message->font().family(), QStringLiteral("Verdana"));
    EXPECT_TRUE(message->font().bold());
    EXPECT_EQ(message->font().pointSize(), 10);
}

TEST_F(MessageDialog, LongMessagesWrapWithinHalfTheScreen) {
    std::string longText;
    for (int i = 0; i < 80; ++i)
        longText += "kitöltött ";
    const auto form = CreateLangMessageDialog(longText, mtWarning, {mbOK}, 10);
    const auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    EXPECT_LE(message->width(), screenWidth() / 2);
    EXPECT_GT(message->width(), screenWidth() / 4);
    const int oneLine = wrappedTextSize(form->font(), 10000, QStringLiteral("x")).height();
    EXPECT_GE(message->height(), 2 * 3 * oneLine);
}

TEST_F(MessageDialog, TitlesAndCaptionsComeFromTheLanguageRow) {
    const TMsgDlgButtons all = {mbYes,    mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
                                mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp};
    auto form = CreateLangMessageDialog("x", mtConfirmation, all, 10);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Megerősítés"));
    EXPECT_EQ(buttonCaptions(form.get()),
              QString::fromUtf8("Igen|Nem|OK|Mégsem|Megszakít|Újra|Kihagy|Mind|Mindre nem|Mindre "
                                "igen|Súgó")
                  .split('|'));
    QStringList names;
    for (const QPushButton* b : form->findChildren<QPushButton*>())
        names << b->objectName();
    EXPECT_EQ(names.join(' '), "Yes No OK Cancel Abort Retry Ignore All NoToAll YesToAll Help");
    // Eleven buttons in a row, each BW wide and BS apart, centred.
    const QRect first = button(form.get(), "Yes")->geometry();
    const QRect last = button(form.get(), "Help")->geometry();
    EXPECT_EQ(first.left(), form->width() - 1 - last.right());

    form = CreateLangMessageDialog("x", mtError, {mbOK}, 0);
    EXPECT_EQ(form->windowTitle(), "Error");
    form = CreateLangMessageDialog("x", mtWarning, {mbOK}, 1);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Предупреждение"));
    form = CreateLangMessageDialog("x", mtWarning, {mbOK}, 99); // outside the table: English
    EXPECT_EQ(form->windowTitle(), "Warning");
}

TEST_F(MessageDialog, CustomTypeHasNoIconAndTheApplicationsTitle) {
    const auto form = CreateLangMessageDialog("x", mtCustom, {mbOK}, 10);
    EXPECT_EQ(form->windowTitle(), QGuiApplication::applicationDisplayName());
    EXPECT_FALSE(form->findChild<QLabel*>(QStringLiteral("Image")));
    const auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    EXPECT_EQ(message->x(), MulDiv(8, averageCharSize(form->font()).cx, 4));
}

TEST_F(MessageDialog, ShowMessageClosesWithOneOnEnterAndEsc) {
    DlgLanguage = 10;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ModalAnswerer answerer;
        answerer.then(ModalAnswerer::pressKey(key));
        EXPECT_EQ(LangMessageDlg(wrongPassword, mtInformation, {mbOK}, 0), mrOk);
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].title, QString::fromUtf8("Információ"));
        EXPECT_EQ(answerer.seen()[0].text, QString::fromUtf8("Hibás jelszó!           ."));
    }
    ModalAnswerer answerer;
    answerer.then(ModalAnswerer::clickButton("OK"));
    LangShowMessage(wrongPassword);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, QString::fromUtf8("Információ"));
    const auto form = CreateLangMessageDialog(wrongPassword, mtInformation, {mbOK}, 10);
    EXPECT_TRUE(button(form.get(), "OK")->isDefault());
    EXPECT_EQ(form->cancelButton(), button(form.get(), "OK"));
}

TEST_F(MessageDialog, ClosingThroughTheFrameGivesCancel) {
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(LangMessageDlgHelp("x", mtWarning, {mbYes, mbNo}, 0, 0), mrCancel);
}

TEST_F(MessageDialog, YesNoDefaultsToYesAndEscapeAnswersNo) {
    auto form = CreateLangMessageDialog("x", mtConfirmation, {mbYes, mbNo}, 0);
    EXPECT_TRUE(button(form.get(), "Yes")->isDefault());
    showAndPress(*form, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), mrNo);

    form = CreateLangMessageDialog("x", mtConfirmation, {mbYes, mbNo}, 0);
    showAndPress(*form, Qt::Key_Return);
    EXPECT_EQ(form->result(), mrYes);
}

TEST_F(MessageDialog, AbortRetryIgnoreDefaultsToRetryAndIgnoresEscape) {
    auto form = CreateLangMessageDialog("x", mtError, {mbAbort, mbRetry, mbIgnore}, 0);
    EXPECT_TRUE(button(form.get(), "Retry")->isDefault());
    EXPECT_FALSE(form->cancelButton());
    showAndPress(*form, Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), mrRetry);

    form = CreateLangMessageDialog("x", mtError, {mbCancel, mbAbort}, 0);
    showAndPress(*form, Qt::Key_Escape);
    EXPECT_EQ(form->result(), mrCancel);
}

TEST_F(MessageDialog, HelpButtonAsksForTheTopicAndKeepsTheDialogOpen) {
    std::vector<int32_t> topics;
    TMessageForm::setApplicationHelp([&](int32_t topic) { topics.push_back(topic); });
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) {
        button(dialog, "Help")->click();
        EXPECT_TRUE(dialog->isVisible());
        button(dialog, "OK")->click();
    });
    EXPECT_EQ(LangMessageDlgHelp("x", mtInformation, {mbOK, mbHelp}, 0, 4711), mrOk);
    EXPECT_EQ(topics, std::vector<int32_t>{4711});
}

TEST_F(MessageDialog, PositionArgumentsMoveTheEdges) {
    QPoint seen;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        seen = dialog->pos();
        ModalAnswerer::accept()(dialog);
    });
    LangMessageDlgPosHelp("x", mtInformation, {mbOK}, 0, 0, 10, 20);
    EXPECT_EQ(seen, QPoint(10, 20));

    const auto centred = CreateLangMessageDialog("x", mtInformation, {mbOK}, 0);
    answerer.then([&](QWidget* dialog) {
        seen = dialog->pos();
        ModalAnswerer::accept()(dialog);
    });
    LangMessageDlgPosHelp("x", mtInformation, {mbOK}, 0, 0, -1, 30);
    EXPECT_EQ(seen, QPoint(centred->x(), 30));
}

TEST_F(MessageDialog, DefaultSettingsGiveAPlainFramedDialog) {
    EXPECT_EQ(DlgLanguage, 0);
    EXPECT_EQ(DlgButtonScheme, 8);
    EXPECT_EQ(DlgPanelScheme, 4);
    EXPECT_EQ(DlgSpareScheme, 4);
    EXPECT_EQ(DlgCornerSize, 15);
    EXPECT_EQ(DlgGradientFrom, 0x00EBB99Du);
    EXPECT_EQ(DlgGradientTo, 0x00FF953Du);
    const auto form = CreateLangMessageDialog("x", mtWarning, {mbOK, mbCancel}, 0);
    EXPECT_FALSE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(form->mask().isEmpty());
    EXPECT_FALSE(form->hasGradientBackground());
    EXPECT_FALSE(form->findChild<TSchemeButton*>());
    EXPECT_FALSE(form->findChild<TSchemePanel*>());
    EXPECT_EQ(form->font(), QApplication::font("QMessageBox"));
}

TEST_F(MessageDialog, SchemeSettingsStyleButtonsAndPanel) {
    DlgSchemeButtons = true;
    DlgSchemePanel = true;
    DlgGradient = true; // ignored on a panel
    DlgRounded = true;  // ignored on a panel
    const auto form = CreateLangMessageDialog("x", mtWarning, {mbOK, mbCancel}, 0);
    auto* panel = form->findChild<TSchemePanel*>(QStringLiteral("ThePanel"));
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->ColorScheme(), TSchemePanel::csSky);
    const auto buttons = form->findChildren<TSchemeButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->parent(), panel);
    EXPECT_EQ(buttons[0]->ColorScheme(), TSchemeButton::csSky);
    const auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    EXPECT_EQ(message->parent(), panel);
    EXPECT_EQ(message->palette().color(QPalette::WindowText), panel->ColorDark());
    EXPECT_FALSE(form->hasGradientBackground());
    EXPECT_TRUE(form->mask().isEmpty());
    form->show();
    EXPECT_EQ(panel->geometry(), form->rect());
}

TEST_F(MessageDialog, GradientBackgroundRunsFromTopToBottom) {
    DlgGradient = true;
    const auto form = CreateLangMessageDialog("x", mtCustom, {}, 0);
    EXPECT_TRUE(form->hasGradientBackground());
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.pixel(1, 0), qRgb(157, 185, 235));
    EXPECT_EQ(shot.pixel(1, shot.height() - 1), qRgb(61, 149, 255));
}

TEST_F(MessageDialog, RoundedOutlineDropsTheFrameAndCutsTheCorners) {
    const auto plain = CreateLangMessageDialog("x", mtWarning, {mbOK}, 0);
    DlgRounded = true;
    DlgCornerSize = 20;
    const auto form = CreateLangMessageDialog("x", mtWarning, {mbOK}, 0);
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    const QRegion mask = form->mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(form->width() - 1, form->height() - 1)));
    EXPECT_TRUE(mask.contains(QPoint(form->width() / 2, 0)));
    EXPECT_TRUE(mask.contains(QPoint(1, form->height() / 2)));
    EXPECT_EQ(form->size(), plain->size());

    DlgBordered = false;
    DlgRounded = false;
    const auto bare = CreateLangMessageDialog("x", mtWarning, {mbOK}, 0);
    EXPECT_TRUE(bare->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(bare->mask().isEmpty());
}

TEST_F(MessageDialog, UseFontGivesTheWholeDialogDlgFont) {
    DlgUseFont = true;
    const auto form = CreateLangMessageDialog("x", mtWarning, {mbOK}, 0);
    EXPECT_EQ(form->font().family(), QStringLiteral("Verdana"));
    EXPECT_TRUE(form->font().bold());
    EXPECT_TRUE(button(form.get(), "OK")->font().bold());
}
