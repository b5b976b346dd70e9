// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateWindow.h"
#include "app/BevelPanel.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "controls/StyledMainMenu.h"
#include "controls/UiFill.h"
#include "platform/TestHooks.h"
#include "preview/PreviewForm.h"

#include "support/AccessibleWalk.h"
#include "support/ModalAnswerer.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <gtest/gtest.h>
#include <map>

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
    // Its "-" is selected, so the employer's name typed first replaces it.
    EXPECT_EQ(w.Edit1->selectedText().toStdString(), "-");
    QTest::keyClicks(w.Edit1, "Minta Kft.");
    EXPECT_EQ(w.Edit1->text().toStdString(), "Minta Kft.");
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

TEST_F(CertificateWindow, TabCyclesThroughTheNineFieldsAndSelectsTheTextItEnters) {
    showAt(811, 558);
    const QList<QLineEdit*> order = {w.Edit1, w.Edit2, w.Edit3,    w.Edit6,   w.Edit7,
                                     w.Edit4, w.Edit5, w.NumEdit1, w.NumEdit2};
    for (QLineEdit* field : order)
        if (field->text().isEmpty())
            field->setText(field->objectName());
    ASSERT_EQ(QApplication::focusWidget(), w.Edit1);
    // Forwards and backwards, twice round: no stop outside the fields, typing replaces the text.
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        for (qsizetype step = 1; step <= 2 * order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), key);
            const qsizetype n = order.size();
            QLineEdit* expected = order[(key == Qt::Key_Tab ? step : n * 2 - step) % n];
            QWidget* focus = QApplication::focusWidget();
            ASSERT_EQ(focus, expected)
                << (key == Qt::Key_Tab ? "Tab " : "Shift+Tab ") << step << " reached "
                << focus->metaObject()->className() << " " << focus->objectName().toStdString();
            EXPECT_EQ(expected->selectedText().toStdString(), expected->text().toStdString());
        }
    }
}

// CTest runs this test again with QT_SCALE_FACTOR 1.5 and 2.
TEST_F(CertificateWindow, LabelsShowTheirWholeTextAtTheirDesignPlacesBesideTheFields) {
    showAt(811, 558);
    EXPECT_DOUBLE_EQ(w.devicePixelRatioF(),
                     qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    const auto inPanel1 = [&](const QWidget* widget) {
        return QRect(widget->mapTo(w.Panel1, QPoint(0, 0)), widget->size());
    };
    std::vector<QRect> fields;
    for (QObject* c : w.Components())
        if (auto* field = qobject_cast<QLineEdit*>(c))
            fields.push_back(inPanel1(field));
    ASSERT_EQ(fields.size(), 9u);
    int labels = 0;
    for (QObject* c : w.Components()) {
        auto* label = qobject_cast<QLabel*>(c);
        if (!label)
            continue;
        ++labels;
        const std::string name = label->objectName().toStdString();
        // The ink of the text ends inside the label's box...
        const QRect ink = QFontMetrics(label->font()).boundingRect(label->text());
        EXPECT_LE(label->contentsRect().left() + ink.right(), label->width() - 1) << name;
        // ...and the box lies beside the fields, never under one.
        for (const QRect& field : fields)
            EXPECT_FALSE(inPanel1(label).intersects(field)) << name;
    }
    EXPECT_EQ(labels, 13);
    EXPECT_EQ(w.Label6->pos(), QPoint(24, 192));
    EXPECT_EQ(w.Label8->pos(), QPoint(328, 48));
}

TEST_F(CertificateWindow, PrintShowsThePreviewModallyAboveTheWindow) {
    showAt(811, 558);
    bool preview = false, modal = false;
    QWindow* owner = nullptr;
    ModalAnswerer answers;
    answers.then([&](QWidget* dialog) {
        preview = qobject_cast<preview::TrpPreviewForm*>(dialog) != nullptr;
        modal = dialog->isModal();
        owner = dialog->windowHandle()->transientParent();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    w.Nyomtats1Click();
    EXPECT_TRUE(preview);
    EXPECT_TRUE(modal);
    EXPECT_EQ(owner, w.windowHandle());
}

TEST_F(CertificateWindow, EveryFieldIsNamedBySectionAndMeaningAndLabelledByItsLabel) {
    showAt(811, 558);
    struct Field {
        const char* name;
        QLabel* label;
    };
    const std::map<QWidget*, Field> expected = {
        {w.Edit1, {"Munkáltató neve", w.Label3}},
        {w.Edit2, {"Munkáltató címe", w.Label1}},
        {w.Edit3, {"Munkavállaló neve", w.Label2}},
        {w.Edit6, {"Leánykori név", w.Label8}},
        {w.Edit7, {"Munkavállaló címe", w.Label13}},
        {w.Edit4, {"Beosztás", w.Label4}},
        {w.Edit5, {"Mióta áll alkalmazásban", w.Label5}},
        {w.NumEdit1, {"Az utolsó 3 havi nettó jövedelem átlaga (Ft)", w.Label6}},
        {w.NumEdit2, {"Családi pótlék összege (Ft)", w.Label11}},
    };
    const std::vector<AccessibleField> fields = focusableFields(&w);
    EXPECT_EQ(unnamedOrRepeated(fields), "");
    EXPECT_EQ(fields.size(), expected.size());
    for (const AccessibleField& field : fields) {
        const auto it = expected.find(field.widget);
        ASSERT_NE(it, expected.end()) << "unexpected stop: " << field.name.toStdString();
        EXPECT_EQ(field.name, QString::fromUtf8(it->second.name));
        QStringList labels;
        for (const auto& [label, relation] :
             QAccessible::queryAccessibleInterface(field.widget)->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        EXPECT_TRUE(labels.contains(it->second.label->text()))
            << field.name.toStdString() << " is not labelled by its label";
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
