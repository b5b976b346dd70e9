#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "controls/StyledMainMenu.h"
#include "controls/UiFill.h"
#include "platform/TestHooks.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace app;

namespace {

class CertificateWindow : public ::testing::Test {
protected:
    Forms forms = CreateForms();
    TForm1& w = *forms.form1;

    void showAt(int width, int height) {
        w.resize(width, height);
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    int scrollPosition() const { return w.ScrollBox()->verticalScrollBar()->value(); }

    // One notch of the wheel over the given widget.
    void wheel(QWidget* target, int delta) {
        const QPointF at(5, 5);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }

    static bool hasColors(controls::TUiFill* fill, platform::TColor start, platform::TColor end,
                          platform::TColor text) {
        return fill->FillObject().Gradient().Color() == start &&
               fill->FillObject().Gradient().EndColor() == end &&
               fill->Caption().Font().Color() == text;
    }
    static bool isActive(controls::TUiFill* fill) { return hasColors(fill, 9758459, 1414638, 0); }
    static bool isInactive(controls::TUiFill* fill) {
        return hasColors(fill, 12505042, 12505042, 4542543);
    }
};

} // namespace

TEST_F(CertificateWindow, StartsWithTheDesignedTextsAndFocusInTheFirstField) {
    showAt(811, 558);
    EXPECT_EQ(w.windowTitle(),
              QString::fromUtf8("Elektronikus nyomtatvány - Tölgyesvárhely Polgármesteri Hivatal"));
    EXPECT_EQ(w.Edit1->text(), "-");
    EXPECT_EQ(w.Edit2->text(), "-");
    EXPECT_EQ(w.Edit3->text(), "");
    EXPECT_EQ(w.Label9->text(), QString::fromUtf8("MUNKÁLTATÓI IGAZOLÁS"));
    const QStringList commands = {
        QString::fromUtf8("Nyomtatás"), QString::fromUtf8("Űrlap mentése"),
        QString::fromUtf8("Kitöltött űrlap betöltése"), QString::fromUtf8("Kilépés")};
    QStringList captions;
    for (QAction* a : w.StyledMainMenu1->actions())
        captions << a->text();
    EXPECT_EQ(captions, commands);
    EXPECT_EQ(QApplication::focusWidget(), w.Edit1);
    EXPECT_EQ(w.UiFill2->accessibleName(), QString::fromUtf8("II. A MUNKAVÁLLALÓ"));
    EXPECT_TRUE(isActive(w.UiFill1));
    EXPECT_TRUE(isInactive(w.UiFill2));
}

TEST_F(CertificateWindow, WheelStepsScroll20PixelsWithinTheRange) {
    showAt(811, 300);
    const int maximum = w.ScrollBox()->verticalScrollBar()->maximum();
    ASSERT_GT(maximum, 60);
    wheel(w.Edit3, 120); // up from 0 stays at 0
    EXPECT_EQ(scrollPosition(), 0);
    wheel(w.Edit3, -120);
    EXPECT_EQ(scrollPosition(), 20);
    wheel(w.Label6, -240); // two notches in one event
    EXPECT_EQ(scrollPosition(), 60);
    for (int i = 0; i < 30; ++i)
        wheel(w.Edit1, -120);
    EXPECT_EQ(scrollPosition(), maximum);
    wheel(w.Edit1, 120);
    EXPECT_EQ(scrollPosition(), maximum - 20);
    EXPECT_EQ(w.ScrollBox()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(CertificateWindow, WheelStepsDoNothingWhenTheWindowShowsEverything) {
    showAt(811, 700);
    for (int i = 0; i < 5; ++i)
        wheel(w.Edit5, -120);
    EXPECT_EQ(scrollPosition(), 0);
}

TEST_F(CertificateWindow, FocusEnteringASectionSwapsTheHighlight) {
    showAt(811, 558);
    w.Edit2->setFocus();
    QTest::keyClick(w.Edit2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Edit3);
    EXPECT_TRUE(isActive(w.UiFill2));
    EXPECT_TRUE(isInactive(w.UiFill1));

    // Within a section nothing changes, even if the colours were changed meanwhile.
    w.UiFill2->FillObject().Gradient().SetColor(123);
    QTest::keyClick(w.Edit3, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Edit6);
    EXPECT_EQ(w.UiFill2->FillObject().Gradient().Color(), 123u);

    QTest::keyClick(w.Edit6, Qt::Key_Backtab);
    QTest::keyClick(w.Edit3, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w.Edit2);
    EXPECT_TRUE(isActive(w.UiFill1));
    EXPECT_TRUE(isInactive(w.UiFill2));
}

TEST_F(CertificateWindow, TabOrderFollowsTheForm) {
    showAt(811, 558);
    const QList<QWidget*> order = {w.Edit1, w.Edit2, w.Edit3, w.Edit6,
                                   w.Edit7, w.Edit4, w.Edit5, w.NumEdit1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        order[i]->setFocus();
        QTest::keyClick(order[i], Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i + 1]) << "after " << i;
    }
}

TEST_F(CertificateWindow, EditsRefuseCharactersTheCodePageCannotHoldWithABeep) {
    showAt(811, 558);
    int beeps = 0;
    const auto previous = platform::setBeepHandler([&] { ++beeps; });
    w.Edit3->clear();
    w.Edit3->setFocus();
    QTest::sendKeyEvent(QTest::Click, w.Edit3, Qt::Key_unknown, QString::fromUtf8("ő"),
                        Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, w.Edit3, Qt::Key_unknown, QString::fromUtf8("õ"),
                        Qt::NoModifier);
    platform::setBeepHandler(previous);
    EXPECT_EQ(w.Edit3->text(), QString::fromUtf8("ő"));
    EXPECT_EQ(beeps, 1);
}

TEST(CertificateWindowExit, ExitEndsTheProcessAtOnceEvenWithUnsavedText) {
    GTEST_FLAG_SET(death_test_style, "fast");
    Forms forms = CreateForms();
    forms.form1->show();
    forms.form1->Edit3->setText(QStringLiteral("unsaved"));
    EXPECT_EXIT(forms.form1->Kilps1->trigger(), ::testing::ExitedWithCode(0), "");
}
