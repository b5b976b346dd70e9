// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewFixture.h"

#include "preview/OpenPreview.h"
#include "preview/PreviewForm.h"
#include "preview/PreviewIcons.h"
#include "preview/ZoomText.h"

#include "support/AccessibleWalk.h"
#include "support/ModalAnswerer.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>

using namespace preview;
using report::TrpPreviewButton;

namespace {

constexpr int bit(TrpPreviewButton button) {
    return 1 << button;
}

class PreviewFormTest : public ::testing::Test {
protected:
    void open(int buttons = bit(report::pbPrint) | bit(report::pbZoom)) {
        data.memo(0, 10, 20, "Munkáltatói igazolás");
        data.report.PreviewOptions.Buttons = buttons;
        data.prepare();
        form = std::make_unique<TrpPreviewForm>(host.services());
        form->Attach(data.report);
        form->show();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
    }

    QStringList visibleItems() const {
        QStringList names;
        for (const QWidget* item : form->VisibleToolbarItems())
            names << item->objectName();
        return names;
    }

    // Types the text into the zoom box and presses Enter there.
    void enterZoom(const char* text) {
        form->ZoomCB->setFocus();
        form->ZoomCB->lineEdit()->setText(QString::fromUtf8(text));
        QTest::keyClick(form->ZoomCB->lineEdit(), Qt::Key_Return);
        QApplication::processEvents();
    }
    QString zoomBox() const { return form->ZoomCB->currentText(); }

    PreviewReport data{1};
    TestServices host;
    std::unique_ptr<TrpPreviewForm> form;
};

} // namespace

TEST_F(PreviewFormTest, PrintAndZoomButtonsLeaveExactlyNineToolbarItems) {
    open();
    EXPECT_EQ(visibleItems(),
              QStringList({"PrintB", "Sep1", "ZoomWholePageB", "ZoomPageWidthB", "Zoom100B",
                           "Zoom50B", "Sep3", "frTBPanel1", "CancelB"}));
    for (const char* removed : {"Sep2", "Sep5", "Sep6", "Sep7"})
        EXPECT_EQ(form->findChild<QWidget*>(removed), nullptr) << removed;
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Előkép"));
    EXPECT_EQ(form->CancelB->text(), QString::fromUtf8("Bezár"));
    EXPECT_EQ(form->PrintB->toolTip(), "Nyomtat");
    EXPECT_EQ(form->ZoomPageWidthB->toolTip(), QString::fromUtf8("Oldalszélesség"));
    EXPECT_EQ(form->ZoomCB->toolTip(), QString::fromUtf8("Nagyít"));
    EXPECT_EQ(form->PrintB->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_FALSE(form->PrintB->icon().isNull());
}

TEST_F(PreviewFormTest, SeparatorsGoWithTheirGroups) {
    open((1 << 11) - 1);
    EXPECT_EQ(visibleItems().size(), 29);
    data.report.PreviewOptions.Buttons = bit(report::pbPageSetup) | bit(report::pbNavigator);
    form = std::make_unique<TrpPreviewForm>(host.services());
    form->Attach(data.report);
    EXPECT_EQ(visibleItems(), QStringList({"Sep2", "PageSettingsB", "Sep6", "FirstB", "PriorB",
                                           "Sep4", "NextB", "LastB", "frTBPanel1", "CancelB"}));
    EXPECT_EQ(form->findChild<QWidget*>("Sep1"), nullptr);
}

TEST_F(PreviewFormTest, OpensMaximizedOnPageOneAtTheReportsZoom) {
    data.report.ReportOptions.Name = platform::fromUtf8("Igazolás");
    open();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Igazolás"));
    EXPECT_EQ(form->StatusPanel0->text(), QString::fromUtf8("1. oldal 1 oldalból"));
    EXPECT_EQ(zoomBox(), "100%");
    QStringList items;
    for (int i = 0; i < form->ZoomCB->count(); ++i)
        items << form->ZoomCB->itemText(i);
    EXPECT_EQ(items, QStringList({"25%", "50%", "75%", "100%", "150%", "200%",
                                  QString::fromUtf8("Oldal széles"), "Teljes oldal"}));
}

TEST_F(PreviewFormTest, AReportWithoutPagesShowsPageZeroOfZero) {
    data.report.PreviewOptions.Buttons = bit(report::pbPrint);
    form = std::make_unique<TrpPreviewForm>(host.services());
    form->Attach(data.report); // not prepared
    EXPECT_EQ(form->StatusPanel0->text(), QString::fromUtf8("0. oldal 0 oldalból"));
}

TEST_F(PreviewFormTest, TheZoomBoxTakesEitherDecimalSeparatorAndShowsTheResultingZoom) {
    open();
    enterZoom("37,5");
    EXPECT_EQ(form->Preview->Zoom(), 0.375);
    EXPECT_EQ(zoomBox(), "38%");
    enterZoom("150");
    enterZoom("37.5");
    EXPECT_EQ(form->Preview->Zoom(), 0.375);
    EXPECT_EQ(zoomBox(), "38%");
    EXPECT_TRUE(form->Preview->hasFocus());

    enterZoom("%");
    EXPECT_EQ(form->Preview->Zoom(), 0.375);
    enterZoom("   ");
    EXPECT_EQ(form->Preview->Zoom(), 0.375);
    EXPECT_EQ(zoomBox(), "38%");

    enterZoom("10 %");
    EXPECT_EQ(form->Preview->Zoom(), 0.25);
    EXPECT_EQ(zoomBox(), "25%");
}

TEST_F(PreviewFormTest, TypedZoomIsTakenAsTypedAndTheListMarksTheZoomInForce) {
    open();
    QLineEdit* edit = form->ZoomCB->lineEdit();
    form->ZoomCB->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "10"); // not completed to "100%" from the list
    EXPECT_EQ(zoomBox(), "10");
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(form->Preview->Zoom(), 0.25);
    EXPECT_EQ(zoomBox(), "25%");
    EXPECT_EQ(form->ZoomCB->currentIndex(), 0);

    form->Zoom100B->click();
    EXPECT_EQ(form->ZoomCB->currentIndex(), 3);
    form->ZoomCB->showPopup();
    EXPECT_EQ(form->ZoomCB->view()->currentIndex().row(), 3);
    form->ZoomCB->hidePopup();
    // A zoom that no item shows: none is marked, the box still shows the percentage.
    form->ZoomPageWidthB->click();
    EXPECT_EQ(form->ZoomCB->currentIndex(), -1);
    EXPECT_EQ(zoomBox(), QString::fromStdString(zoomBoxText(form->Preview->Zoom())));
}

TEST_F(PreviewFormTest, AZoomEntryThatIsNoNumberIsReportedAndChangesNothing) {
    open();
    enterZoom("abc");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0], "'abc' is not a valid floating point value");
    EXPECT_EQ(form->Preview->Zoom(), 1.0);
    EXPECT_EQ(zoomBox(), "abc"); // no rewrite was posted
}

TEST_F(PreviewFormTest, TheLastTwoItemsFitThePageAndTheBoxShowsThePercentage) {
    open();
    const auto& desk = *form->Preview->Workspace();
    form->ZoomCB->setCurrentIndex(6);
    emit form->ZoomCB->activated(6);
    QApplication::processEvents();
    EXPECT_EQ(form->Preview->ZoomMode(), report::zmPageWidth);
    EXPECT_DOUBLE_EQ(form->Preview->Zoom(), (desk.ClientWidth() - 20.0) / 794);
    EXPECT_EQ(zoomBox(), QString::fromStdString(zoomBoxText(form->Preview->Zoom())));

    form->ZoomCB->setCurrentIndex(7);
    emit form->ZoomCB->activated(7);
    QApplication::processEvents();
    EXPECT_EQ(form->Preview->ZoomMode(), report::zmWholePage);
    EXPECT_DOUBLE_EQ(form->Preview->Zoom(), (desk.ClientHeight() - 20.0) / 1123);
    EXPECT_TRUE(zoomBox().endsWith('%'));

    form->Zoom50B->click();
    EXPECT_EQ(form->Preview->ZoomMode(), report::zmManyPages);
    form->Zoom100B->click();
    EXPECT_EQ(form->Preview->Zoom(), 1.0);
    EXPECT_EQ(zoomBox(), "100%");
}

TEST_F(PreviewFormTest, EveryStopAndEveryButtonIsNamedForScreenReaders) {
    open();
    for (const int buttons : {bit(report::pbPrint) | bit(report::pbZoom), (1 << 11) - 1}) {
        data.report.PreviewOptions.Buttons = buttons;
        form = std::make_unique<TrpPreviewForm>(host.services());
        form->Attach(data.report);
        form->show();
        const std::vector<AccessibleField> stops = focusableFields(form.get());
        EXPECT_EQ(unnamedOrRepeated(stops), "") << "buttons " << buttons;
        EXPECT_TRUE(std::any_of(stops.begin(), stops.end(), [&](const AccessibleField& f) {
            return f.widget == form->Preview;
        }));
        // The icon buttons by their hints, the text button by its text, the toolbar's button
        // for what does not fit by what it does.
        for (QToolButton* button : form->ToolBar->findChildren<QToolButton*>()) {
            if (!button->isVisibleTo(form.get()))
                continue;
            QString expected = button->toolTip();
            if (button == form->CancelB)
                expected = QString::fromUtf8("Bezár");
            else if (expected.isEmpty())
                expected = QString::fromUtf8("További gombok");
            EXPECT_EQ(accessibleName(button), expected) << button->objectName().toStdString();
        }
    }
    EXPECT_EQ(accessibleName(form->HandToolB), QString::fromUtf8("Húzó eszköz"));
}

TEST_F(PreviewFormTest, ThePageAreaSaysWhichPageItShowsAndAtWhatZoom) {
    PreviewReport three(3);
    for (int page = 0; page < 3; ++page)
        three.memo(page, 10, 20, "Munkáltatói igazolás");
    three.report.PreviewOptions.Buttons = bit(report::pbPrint) | bit(report::pbZoom);
    three.prepare();
    auto window = std::make_unique<TrpPreviewForm>(host.services());
    window->Attach(three.report);
    const auto description = [&] {
        return QAccessible::queryAccessibleInterface(window->Preview)
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(accessibleName(window->Preview), QString::fromUtf8("Előnézet oldalai"));
    EXPECT_EQ(description(), QString::fromUtf8("1. oldal 3 oldalból, nagyítás: 100%"));
    window->Preview->GoToPage(3);
    EXPECT_EQ(description(), QString::fromUtf8("3. oldal 3 oldalból, nagyítás: 100%"));
    window->Preview->ApplyZoom(0.5);
    EXPECT_EQ(description(), QString::fromUtf8("3. oldal 3 oldalból, nagyítás: 50%"));
}

TEST_F(PreviewFormTest, TheZoomButtonsAnswerTheirKeysWhereverTheFocusIs) {
    open();
    const auto press = [&](QWidget* at, Qt::Key key) {
        QTest::keyClick(at, key, Qt::ControlModifier);
    };
    press(form->Preview, Qt::Key_0);
    EXPECT_TRUE(form->ZoomWholePageB->isDown()); // pressed for a moment, as a click shows
    QTRY_COMPARE(form->Preview->ZoomMode(), report::zmWholePage);
    EXPECT_EQ(zoomBox(), QString::fromStdString(zoomBoxText(form->Preview->Zoom())));
    press(form->Preview, Qt::Key_2);
    QTRY_COMPARE(form->Preview->ZoomMode(), report::zmPageWidth);
    form->ZoomCB->setFocus();
    press(form->ZoomCB->lineEdit(), Qt::Key_3);
    QTRY_COMPARE(form->Preview->ZoomMode(), report::zmManyPages);
    press(form->ZoomCB->lineEdit(), Qt::Key_1);
    QTRY_COMPARE(form->Preview->ZoomMode(), report::zmDefault);
    EXPECT_EQ(form->Preview->Zoom(), 1.0);
    EXPECT_EQ(zoomBox(), "100%");

    // Without the zoom buttons their keys do nothing.
    data.report.PreviewOptions.Buttons = bit(report::pbPrint);
    form = std::make_unique<TrpPreviewForm>(host.services());
    form->Attach(data.report);
    form->show();
    QApplication::setActiveWindow(form.get());
    press(form->Preview, Qt::Key_0);
    EXPECT_FALSE(form->ZoomWholePageB->isDown());
}

TEST_F(PreviewFormTest, DestroyingTheWindowWithTheFocusInTheZoomBoxRunsNoZoomEntry) {
    // Hiding it in the base class's destructor takes the focus out of the box, which reports its
    // text as chosen; the sanitizer build catches a call into the half-destroyed window.
    open();
    form->ZoomCB->setFocus();
    form->ZoomCB->lineEdit()->setText("50%");
    ASSERT_TRUE(form->ZoomCB->hasFocus());
    form.reset();
}

TEST_F(PreviewFormTest, EscClosesTheWindow) {
    open();
    QTest::keyClick(form->Preview, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PreviewFormTest, OpenPreviewShowsTheWindowModallyAndDestroysItWhenItCloses) {
    data.memo(0, 10, 20, "Munkáltatói igazolás");
    data.report.PreviewOptions.Buttons = bit(report::pbPrint) | bit(report::pbZoom);
    data.prepare();
    QWidget owner;
    owner.show();
    QPointer<TrpPreviewForm> shown;
    bool maximized = false, modal = false;
    QWindow* transientParent = nullptr;
    QString status;
    ModalAnswerer answers;
    answers.then([&](QWidget* w) {
        shown = qobject_cast<TrpPreviewForm*>(w);
        ASSERT_TRUE(shown);
        maximized = shown->windowState() & Qt::WindowMaximized;
        modal = shown->isModal();
        transientParent = shown->windowHandle()->transientParent();
        status = shown->StatusPanel0->text();
        QTest::keyClick(shown->Preview, Qt::Key_Escape);
    });
    OpenPreview(data.report, host.services(), &owner);
    EXPECT_TRUE(maximized);
    // Modal, a window of its own, kept above the window that opened it.
    EXPECT_TRUE(modal);
    EXPECT_EQ(transientParent, owner.windowHandle());
    EXPECT_EQ(status, QString::fromUtf8("1. oldal 1 oldalból"));
    EXPECT_TRUE(shown.isNull());
    // The report keeps its pages.
    EXPECT_EQ(data.report.PreviewPages().PageCount(), 1);
}

TEST_F(PreviewFormTest, ThePrintButtonWantsARealPrinter) {
    open();
    bool printers = false;
    int jobs = 0;
    host.hasRealPrinters = [&] { return printers; };
    host.runPrintJob = [&](TrpPreview&) { ++jobs; };
    ModalAnswerer answers;
    form->PrintB->click();
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].title, "Hiba");
    EXPECT_EQ(answers.seen()[0].text, QString::fromUtf8("Nincs nyomtató telepítve"));
    // Without a print service the printers are not missing: it is, and the box says so.
    host.noPrinterReason = [] { return platform::fromUtf8("Nem fut nyomtatási szolgáltatás"); };
    form->PrintB->click();
    ASSERT_EQ(answers.seen().size(), 2u);
    EXPECT_EQ(answers.seen()[1].text, QString::fromUtf8("Nem fut nyomtatási szolgáltatás"));
    EXPECT_EQ(jobs, 0);
    printers = true;
    form->PrintB->click();
    EXPECT_EQ(jobs, 1);
    EXPECT_EQ(answers.seen().size(), 2u);
}

TEST_F(PreviewFormTest, TheWheelAnywhereOverTheWindowScrollsTheView) {
    open();
    form->Preview->ApplyZoom(2);
    for (QWidget* target : std::initializer_list<QWidget*>{
             form->ZoomCB, form->Preview->Workspace()->viewport(), form->StatusBar}) {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
    EXPECT_EQ(form->Preview->Workspace()->VertPosition(), 60);
    EXPECT_EQ(zoomBox(), "200%"); // the zoom box did not take the wheel
}

TEST_F(PreviewFormTest, WhileABuildRunsIntoTheViewTheWindowStaysOpenAndOffersToCancel) {
    QString captionDuring;
    bool printEnabledDuring = true;
    bool visibleAfterClose = false;
    // The host's notification; the view hears of each page after it.
    data.report.PreviewPages().OnPageAdded = [&](int index) {
        if (!form || index != 1)
            return;
        captionDuring = form->CancelB->text();
        printEnabledDuring = form->PrintB->isEnabled();
        form->close();
        visibleAfterClose = form->isVisible();
    };
    open();
    data.pages.push_back(report::rpCreate<report::TrpReportPage>(&data.report));
    data.memo(1, 10, 20, "2");
    ASSERT_TRUE(data.report.BuildPreparedPages(true));
    EXPECT_EQ(captionDuring, QString::fromUtf8("Mégsem"));
    EXPECT_FALSE(printEnabledDuring);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(form->CancelB->text(), QString::fromUtf8("Bezár"));
    EXPECT_TRUE(form->PrintB->isEnabled());
    EXPECT_EQ(form->StatusPanel0->text(), QString::fromUtf8("1. oldal 2 oldalból"));
}

TEST(PreviewIconsTest, TheStripIsCutIntoTwentyTwoIconsWithTheirLowerLeftColourTransparent) {
    const QImage strip = previewIconStrip();
    EXPECT_EQ(strip.size(), QSize(352, 16));
    const std::vector<QIcon> icons = cutIconStrip(strip);
    ASSERT_EQ(icons.size(), 22u);
    for (size_t i = 0; i < icons.size(); ++i) {
        const QImage cell = icons[i].pixmap(16, 16).toImage();
        EXPECT_EQ(qAlpha(cell.pixel(0, 15)), 0) << i;
        int drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += qAlpha(cell.pixel(x, y)) == 255;
        EXPECT_GT(drawn, 10) << "icon " << i << " is empty";
    }
}
