// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewFixture.h"

#include "preview/PageSearch.h"
#include "preview/ProgressPanel.h"
#include "preview/SearchDialog.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"

#include "support/ModalAnswerer.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegion>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace preview;
using platform::CanvasRecord;
using platform::RecordingCanvas;
using platform::Rect;
using Kind = platform::CanvasRecord::Kind;

namespace {

class PreviewViewTest : public ::testing::Test {
protected:
    void open(int pageCount) {
        data = std::make_unique<PreviewReport>(pageCount);
        for (int i = 0; i < pageCount; ++i)
            data->memo(i, 10, 20, "Page " + std::to_string(i + 1));
    }
    // Prepares the report and opens a view on it with that client area.
    void show(int clientWidth = 1000, int clientHeight = 1200) {
        data->prepare();
        view = std::make_unique<TrpPreview>(host.services());
        view->OnPageChanged = [this](int page) { notified.push_back(page); };
        view->Attach(&data->report);
        setClientSize(*view, clientWidth, clientHeight);
        view->StartUp();
    }
    TrpPreviewWorkspace& desk() { return *view->Workspace(); }

    void SetUp() override { lastSearchText() = {}; }

    std::unique_ptr<PreviewReport> data;
    TestServices host;
    std::unique_ptr<TrpPreview> view;
    std::vector<int> notified;
};

void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Types the name into the save dialog's name box and accepts it.
void chooseFile(QWidget* w, const QString& folder, const QString& name) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_TRUE(dialog);
    dialog->setDirectory(folder);
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_TRUE(edit);
    edit->setText(name);
    static_cast<QDialog*>(dialog)->accept();
    ASSERT_FALSE(dialog->isVisible());
}

std::vector<const CanvasRecord*> recordsOf(const RecordingCanvas& canvas, Kind kind) {
    std::vector<const CanvasRecord*> found;
    for (const CanvasRecord& r : canvas.records())
        if (r.kind == kind)
            found.push_back(&r);
    return found;
}

} // namespace

TEST_F(PreviewViewTest, OneA4PageAtZoomOneInAThousandPixelDesk) {
    open(1);
    show(1000, 1200);
    ASSERT_EQ(desk().ClientWidth(), 1000);
    EXPECT_EQ(view->Zoom(), 1.0);
    EXPECT_EQ(view->CurrentPage(), 1);
    EXPECT_EQ(desk().ClientPageRect(0), (Rect{103, 10, 897, 1133}));
    EXPECT_EQ(desk().HorzRange(), 814);
    EXPECT_EQ(desk().VertRange(), 1143);
    // Both ranges fit the visible size: no scroll bars, nothing to scroll.
    EXPECT_FALSE(desk().verticalScrollBar()->isVisible());
    EXPECT_FALSE(desk().horizontalScrollBar()->isVisible());
    EXPECT_EQ(notified.back(), 1);
}

TEST_F(PreviewViewTest, ZoomModesFitTheDeskAndApplyZoomReturnsToOnePagePerRow) {
    open(1);
    show(1000, 1200);
    view->ApplyZoomMode(report::zmManyPages);
    EXPECT_DOUBLE_EQ(view->Zoom(), 968.0 / 1588);
    EXPECT_EQ(desk().Pages().ColumnCount(), 2);
    EXPECT_EQ(desk().ClientPageRect(0).left, 258); // the single page is centered
    view->ApplyZoomMode(report::zmWholePage);
    EXPECT_DOUBLE_EQ(view->Zoom(), 1180.0 / 1123);
    EXPECT_EQ(desk().Pages().ColumnCount(), 1);
    view->ApplyZoomMode(report::zmPageWidth);
    EXPECT_DOUBLE_EQ(view->Zoom(), 980.0 / 794);
    // Magnified so, the page is taller than the desk: the vertical scroll bar comes, the zoom
    // follows the narrower desk, and the width fits without a horizontal scroll bar.
    ASSERT_TRUE(QTest::qWaitFor([&] { return desk().verticalScrollBar()->isVisible(); }));
    EXPECT_DOUBLE_EQ(view->Zoom(), (desk().ClientWidth() - 20.0) / 794);
    EXPECT_EQ(desk().horizontalScrollBar()->maximum(), 0);
    QApplication::processEvents();
    EXPECT_FALSE(desk().horizontalScrollBar()->isVisible());
    // The fitting modes follow the size of the desk.
    setClientSize(*view, 814, 1200);
    EXPECT_DOUBLE_EQ(view->Zoom(), 1.0);

    view->ApplyZoomMode(report::zmManyPages);
    view->ApplyZoom(0.1);
    EXPECT_EQ(view->Zoom(), 0.25);
    EXPECT_EQ(view->ZoomMode(), report::zmDefault);
    EXPECT_EQ(desk().Pages().ColumnCount(), 1);
    // zmDefault keeps the zoom when the desk changes.
    setClientSize(*view, 900, 700);
    EXPECT_EQ(view->Zoom(), 0.25);
}

TEST_F(PreviewViewTest, WheelScrollsTwentyPixelsPerMessageWhateverTheDelta) {
    open(1);
    show(1000, 600);
    ASSERT_EQ(desk().VertRange(), 1143);
    view->MouseWheel(-120);
    EXPECT_EQ(desk().VertPosition(), 20);
    view->MouseWheel(-1);
    EXPECT_EQ(desk().VertPosition(), 40);
    view->MouseWheel(240);
    EXPECT_EQ(desk().VertPosition(), 20);
    view->MouseWheel(0);
    EXPECT_EQ(desk().VertPosition(), 20);
    view->MouseWheel(120);
    view->MouseWheel(120);
    EXPECT_EQ(desk().VertPosition(), 0);
}

TEST_F(PreviewViewTest, KeysScrollByArrowAndPageStepsWithinTheRange) {
    open(1);
    show(1000, 1200);
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(desk().VertPosition(), 0); // the page fits: range − visible size ≤ 0
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(desk().HorzPosition(), 0);

    view->ApplyZoom(2);
    setClientSize(*view, 1000, 600);
    // Range 2 × 1133 + 10 = 2276; the position stops at 2276 − 600.
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(desk().VertPosition(), 300);
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(desk().VertPosition(), 308);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(desk().VertPosition(), 1676);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(desk().VertPosition(), 1668);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    EXPECT_EQ(desk().VertPosition(), 1368);
    QTest::keyClick(view.get(), Qt::Key_Right);
    QTest::keyClick(view.get(), Qt::Key_Right);
    QTest::keyClick(view.get(), Qt::Key_Left);
    EXPECT_EQ(desk().HorzPosition(), 8);
    QTest::keyClick(view.get(), Qt::Key_Home);
    EXPECT_EQ(desk().VertPosition(), 10); // page 1's top (20) 10 pixels below the top
}

TEST_F(PreviewViewTest, TheCurrentPageFollowsScrollingAndGoToPageScrollsToIt) {
    open(3);
    show(1000, 600); // page tops 10, 1143, 2276
    notified.clear();
    desk().SetVertPosition(1143 - 226);
    EXPECT_EQ(view->CurrentPage(), 1);
    desk().SetVertPosition(1143 - 225); // page 2's top within a fifth of its height
    EXPECT_EQ(view->CurrentPage(), 2);
    EXPECT_EQ(notified.back(), 2);

    view->GoToPage(3);
    EXPECT_EQ(desk().VertPosition(), 2266);
    EXPECT_EQ(view->CurrentPage(), 3);
    view->GoToPage(99);
    EXPECT_EQ(view->CurrentPage(), 3);
    view->GoToPage(-5);
    EXPECT_EQ(view->CurrentPage(), 1);
    EXPECT_EQ(desk().VertPosition(), 0);
    QTest::keyClick(view.get(), Qt::Key_End);
    EXPECT_EQ(view->CurrentPage(), 3);
    EXPECT_EQ(notified.back(), 3);
}

TEST_F(PreviewViewTest, AStoreWithoutPagesShowsPageZeroOnAGrayDesk) {
    data = std::make_unique<PreviewReport>(0);
    view = std::make_unique<TrpPreview>(host.services());
    view->OnPageChanged = [this](int page) { notified.push_back(page); };
    view->Attach(&data->report);
    setClientSize(*view, 400, 300);
    view->StartUp();
    EXPECT_EQ(notified, std::vector<int>{0});
    RecordingCanvas canvas;
    desk().PaintArea(canvas, {0, 0, 400, 300}, false);
    ASSERT_EQ(canvas.records().size(), 1u);
    EXPECT_EQ(canvas.records()[0].kind, Kind::FillRect);
    EXPECT_EQ(canvas.records()[0].brush.color, TrpPreviewWorkspace::DeskColor);
}

TEST_F(PreviewViewTest, APageLostFromTheFileCachePaintsBlankAndIsReportedAfterThePaint) {
    open(6);
    QTemporaryDir folder;
    data->report.EngineOptions.UseFileCache = true;
    data->report.EngineOptions.MaxMemSize = 0; // every page added moves the older ones out
    data->report.EngineOptions.TempDir = folder.path().toStdString();
    show(1000, 1200);
    // A full or cleaned temporary folder: the pages moved out (the third to the fifth) are lost.
    const QString cacheFile = data->report.PreviewPages().TemporaryFileName();
    ASSERT_TRUE(QFile::exists(cacheFile));
    ASSERT_TRUE(QFile::resize(cacheFile, 0));
    view->GoToPage(4);

    // The widget's own paint survives, and the error waits until the paint is over.
    desk().viewport()->repaint();
    EXPECT_TRUE(host.errors.empty()) << "reported in the middle of the paint";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.errors.empty(); }));
    EXPECT_EQ(host.errors,
              std::vector<std::string>{"Prepared page is missing from the temporary file"});
    // Painted again (as after the error box closes), the same failure is not reported again.
    desk().viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(host.errors.size(), 1u);

    // The lost page is blank paper in its frame; the page kept in memory keeps its text.
    view->GoToPage(2);
    RecordingCanvas canvas;
    desk().PaintArea(canvas, {0, 0, 1000, 1200}, false);
    const Rect lost = desk().ClientPageRect(2), kept = desk().ClientPageRect(1);
    const auto frames = recordsOf(canvas, Kind::Rectangle);
    EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [&](const CanvasRecord* r) {
        return r->rect == lost && r->brush.color == platform::clWhite;
    }));
    const auto inside = [](const Rect& page, const CanvasRecord* text) {
        return text->bounds.top >= page.top && text->bounds.bottom <= page.bottom;
    };
    const auto texts = recordsOf(canvas, Kind::TextOut);
    EXPECT_TRUE(std::none_of(texts.begin(), texts.end(), [&](auto* t) { return inside(lost, t); }));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](auto* t) { return inside(kept, t); }));
}

TEST_F(PreviewViewTest, PaintingClipsThePagesOutOfTheDeskAndDrawsThemFramedWithAShadow) {
    open(1);
    data->memo(0, 10, 60, "Tölgyesvárhely");
    show(1000, 1200);
    RecordingCanvas canvas;
    desk().PaintArea(canvas, {0, 0, 1000, 1200}, false);
    // First the desk around the inside of the page (frame and shadow are drawn over it).
    QRegion painted;
    size_t i = 0;
    const auto& r = canvas.records();
    for (; i < r.size() && r[i].kind == Kind::FillRect; ++i) {
        EXPECT_EQ(r[i].brush.color, TrpPreviewWorkspace::DeskColor);
        const QRect filled(r[i].rect.left, r[i].rect.top, r[i].rect.width(), r[i].rect.height());
        EXPECT_FALSE(painted.intersects(filled));
        painted += filled;
    }
    EXPECT_EQ(painted, QRegion(0, 0, 1000, 1200) - QRegion(104, 11, 792, 1122));
    ASSERT_GE(r.size(), i + 3);
    EXPECT_EQ(r[i].kind, Kind::Rectangle);
    EXPECT_EQ(r[i].rect, (Rect{103, 10, 897, 1133}));
    EXPECT_EQ(r[i].brush.color, platform::clWhite);
    // The shadow: the row below the page and the column right of it, from the second row.
    ASSERT_EQ(r[i + 1].kind, Kind::FillRect);
    EXPECT_EQ(r[i + 1].rect, (Rect{104, 1133, 897, 1134}));
    EXPECT_EQ(r[i + 2].rect, (Rect{897, 12, 898, 1134}));
    EXPECT_EQ(r[i + 2].brush.color, platform::clBlack);

    // The contents are the store's page drawn at the page's corner.
    RecordingCanvas expected;
    data->report.PreviewPages().PaintPage(0, expected, 1, 1, 103, 10);
    const auto texts = recordsOf(canvas, Kind::TextOut);
    const auto expectedTexts = recordsOf(expected, Kind::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    ASSERT_EQ(expectedTexts.size(), 2u);
    EXPECT_EQ(texts[1]->text, platform::fromUtf8("Tölgyesvárhely"));
    EXPECT_EQ(texts[1]->bounds, expectedTexts[1]->bounds);

    // Scrolled, the page moves by the painted offsets; a strip away from it leaves it alone.
    view->ApplyZoom(2);
    desk().SetVertPosition(100);
    desk().SetHorzPosition(50);
    canvas.clear();
    desk().PaintArea(canvas, {0, 0, 1000, 1200}, false);
    EXPECT_EQ(recordsOf(canvas, Kind::Rectangle).front()->rect, (Rect{-40, -80, 1548, 2166}));
    // A strip of desk left of the page repaints only that strip of desk.
    desk().SetHorzPosition(0);
    canvas.clear();
    desk().PaintArea(canvas, {0, 0, 8, 1200}, false);
    ASSERT_EQ(canvas.records().size(), 1u);
    EXPECT_EQ(canvas.records()[0].rect, (Rect{0, 0, 8, 1200}));

    view->FreezeView();
    canvas.clear();
    desk().PaintArea(canvas, {0, 0, 1000, 1200}, false);
    ASSERT_EQ(canvas.records().size(), 1u);
    EXPECT_EQ(canvas.records()[0].kind, Kind::FillRect);
}

TEST_F(PreviewViewTest, KeptPagePicturesPaintTheSamePixelsAsDrawingThePageAnew) {
    // A page with text, a blank page, and a page whose contents cover the frame.
    data = std::make_unique<PreviewReport>(3);
    data->memo(0, 10, 60, "Munkáltatói igazolás");
    auto* overFrame = data->memo(2, -100, 300, "");
    overFrame->Color = platform::rgb(200, 0, 0);
    show(1000, 1200);
    const auto paint = [this](QImage& image, bool pictures) {
        platform::PainterCanvas canvas(image, {false, 96, 96});
        desk().PaintArea(canvas, {0, 0, 1000, 1200}, pictures);
    };
    QImage kept(1000, 1200, QImage::Format_ARGB32_Premultiplied);
    QImage fresh(kept.size(), kept.format());
    paint(kept, true);
    EXPECT_EQ(desk().PictureCount(), 2); // the second page's top is in sight too
    paint(fresh, false);
    EXPECT_TRUE(kept == fresh);
    EXPECT_EQ(kept.pixel(50, 50), qRgb(128, 128, 128));
    EXPECT_EQ(kept.pixel(500, 15), qRgb(255, 255, 255));
    EXPECT_EQ(kept.pixel(103, 500), qRgb(0, 0, 0));
    EXPECT_EQ(kept.pixel(897, 500), qRgb(0, 0, 0)); // shadow
    EXPECT_EQ(kept.pixel(500, 1133), qRgb(0, 0, 0));
    EXPECT_EQ(kept.pixel(897, 1133), qRgb(0, 0, 0));
    EXPECT_EQ(kept.pixel(897, 12), qRgb(0, 0, 0));
    EXPECT_EQ(kept.pixel(897, 11), qRgb(128, 128, 128));
    EXPECT_EQ(kept.pixel(103, 1133), qRgb(128, 128, 128));
    EXPECT_EQ(kept.pixel(898, 500), qRgb(128, 128, 128));

    // At a new zoom all three pages are in sight, each drawn anew.
    view->ApplyZoom(0.35);
    paint(kept, true);
    EXPECT_EQ(desk().PictureCount(), 5);
    paint(fresh, false);
    EXPECT_TRUE(kept == fresh);
    // Contents stop at the edge of the paper, over the frame but not beyond it.
    const Rect third = desk().ClientPageRect(2);
    EXPECT_EQ(kept.pixel(third.left, third.top + 120), qRgb(200, 0, 0));
    EXPECT_EQ(kept.pixel(third.left - 1, third.top + 120), qRgb(128, 128, 128));
}

TEST_F(PreviewViewTest, TheHandToolDragsThePagesAndTheZoomToolMagnifies) {
    open(1);
    show(1000, 600);
    view->ApplyZoom(2);
    QWidget* surface = desk().viewport();
    mouse(surface, QEvent::MouseButtonPress, {500, 300}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(desk().Dragging());
    mouse(surface, QEvent::MouseMove, {470, 280}, Qt::NoButton, Qt::LeftButton);
    mouse(surface, QEvent::MouseMove, {450, 260}, Qt::NoButton, Qt::LeftButton);
    mouse(surface, QEvent::MouseButtonRelease, {450, 260}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(desk().Dragging());
    EXPECT_EQ(desk().HorzPosition(), 50);
    EXPECT_EQ(desk().VertPosition(), 40);
    mouse(surface, QEvent::MouseMove, {400, 200}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(desk().VertPosition(), 40); // moving without a button only hit-tests

    view->ChooseTool(TrpPreviewTool::Zoom);
    mouse(surface, QEvent::MouseButtonPress, {400, 200}, Qt::LeftButton, Qt::LeftButton);
    mouse(surface, QEvent::MouseButtonRelease, {400, 200}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(view->Zoom(), 2.25);
    mouse(surface, QEvent::MouseButtonRelease, {400, 200}, Qt::RightButton, Qt::NoButton);
    mouse(surface, QEvent::MouseButtonRelease, {400, 200}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(view->Zoom(), 1.75);
}

TEST_F(PreviewViewTest, TheProgressPanelStandsCenteredAtAThirdOfTheHeight) {
    open(1);
    show(1000, 600);
    view->resize(700, 500);
    view->ShowProgress(platform::fromUtf8("Fájl mentése..."), false);
    TrpProgressPanel& panel = *view->ProgressPanel();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.geometry(), QRect(220, 141, 260, 75));
    EXPECT_EQ(panel.Label()->text(), QString::fromUtf8("Fájl mentése..."));
    EXPECT_FALSE(panel.CancelButton()->isVisible());

    view->ShowPrintProgress(3);
    EXPECT_TRUE(view->Locked());
    EXPECT_EQ(panel.Label()->text(), QString::fromUtf8("Oldal nyomtatása 3"));
    EXPECT_TRUE(panel.CancelButton()->isVisible());
    EXPECT_EQ(panel.CancelButton()->text(), QString::fromUtf8("Mégsem"));
    panel.CancelButton()->click();
    EXPECT_TRUE(data->report.PreviewPages().StopRequested);

    // Locked, the zoom is not fitted.
    view->ApplyZoomMode(report::zmWholePage);
    EXPECT_EQ(view->Zoom(), 1.0);
    view->GoToPage(1);
    view->ThawView();
    EXPECT_FALSE(view->Locked());
    EXPECT_FALSE(panel.isVisible());
    EXPECT_NE(view->Zoom(), 1.0);
}

TEST_F(PreviewViewTest, PrintingHandsTheViewToThePrintJobAndAlwaysUnlocksAfterwards) {
    open(3);
    show(1000, 600);
    view->GoToPage(2);
    int calls = 0;
    int pageSeen = 0;
    bool fail = false;
    const auto printJob = [&](TrpPreview& v) {
        ++calls;
        pageSeen = v.CurrentPage();
        v.FreezeView();
        v.ShowPrintProgress(1);
        EXPECT_TRUE(v.ProgressPanel()->isVisible());
        if (fail)
            throw platform::Error("spooler refused");
    };
    host.runPrintJob = printJob;
    notified.clear();
    view->PrintFromView();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(pageSeen, 2);
    EXPECT_FALSE(view->Locked());
    EXPECT_FALSE(view->ProgressPanel()->isVisible());
    // The view's page is 1 again, without telling the window.
    EXPECT_EQ(view->CurrentPage(), 1);
    EXPECT_TRUE(notified.empty());

    // Cancelled during one print, the next one starts afresh.
    data->report.PreviewPages().StopRequested = true;
    bool stopAtStart = true;
    host.runPrintJob = [&](TrpPreview& v) {
        stopAtStart = v.Pages()->StopRequested;
        ++calls;
    };
    view->PrintFromView();
    host.runPrintJob = printJob;
    EXPECT_FALSE(stopAtStart);

    fail = true;
    EXPECT_THROW(view->PrintFromView(), platform::Error);
    EXPECT_FALSE(view->Locked());
    EXPECT_FALSE(view->ProgressPanel()->isVisible());

    // Ctrl+P prints whatever buttons the window shows; a failure goes to the error report.
    QTest::keyClick(view.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(host.errors, std::vector<std::string>{"spooler refused"});
}

TEST_F(PreviewViewTest, CtrlSWritesThePreparedReportWithTheExtensionPrp) {
    open(1);
    show();
    QTemporaryDir dir;
    QString filter;
    ModalAnswerer answers;
    answers.then([&](QWidget* w) {
        filter = qobject_cast<QFileDialog*>(w)->nameFilters().join('|');
        chooseFile(w, dir.path(), "igazolas.txt");
    });
    QTest::keyClick(view.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(filter, QString::fromUtf8("Előkészített riport (*.prp)"));
    // Qt's own file dialog, in Hungarian.
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].title, QString::fromUtf8("Mentés másként"));
    EXPECT_TRUE(answers.seen()[0].text.contains(QString::fromUtf8("Fájl &neve:")))
        << answers.seen()[0].text.toStdString();
    QFile file(dir.filePath("igazolas.prp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><preparedreport><previewpages><page0>"));
    EXPECT_FALSE(QFile::exists(dir.filePath("igazolas.txt")));
    EXPECT_FALSE(view->Locked());
    EXPECT_FALSE(view->ProgressPanel()->isVisible());

    // Cancelled: nothing is written. A write that fails is reported and unlocks the view.
    answers.then(ModalAnswerer::reject());
    QTest::keyClick(view.get(), Qt::Key_S, Qt::ControlModifier);
    // The name chosen is free, but the name with ".prp" is taken by a folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir("masolat.prp"));
    answers.then([&](QWidget* w) { chooseFile(w, dir.path(), "masolat.txt"); });
    QTest::keyClick(view.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(answers.seen().size(), 3u);
    EXPECT_EQ(host.errors.size(), 1u);
    EXPECT_FALSE(view->Locked());
}

class PreviewSearchTest : public PreviewViewTest {
protected:
    void SetUp() override {
        PreviewViewTest::SetUp();
        data = std::make_unique<PreviewReport>(2);
        data->memo(0, 10, 20, "Tölgyesvárhely polgármesteri hivatala");
        data->memo(0, 10, 200, "Igazolás");
        data->memo(0, 10, 900, "Kiállítva: TÖLGYESVÁRHELY");
        data->memo(1, 10, 100, "tölgyesvárhelyi lakos");
    }
    // Answers the search dialog with the text and options.
    static ModalAnswerer::Answer search(const char* utf8, bool fromTop, bool caseSensitive,
                                        QString* prefilled = nullptr) {
        return [=](QWidget* w) {
            auto* dialog = qobject_cast<TrpSearchDialog*>(w);
            ASSERT_TRUE(dialog);
            if (prefilled)
                *prefilled = dialog->TextE->selectedText();
            dialog->TextE->setText(QString::fromUtf8(utf8));
            dialog->TopCB->setChecked(fromTop);
            dialog->CaseCB->setChecked(caseSensitive);
            dialog->OkB->click();
        };
    }
    TrpPageSearch& found() { return desk().Search(); }
};

TEST_F(PreviewSearchTest, CtrlFFindsAWordAndF3MovesOnToTheNextMatch) {
    show(1000, 600);
    ModalAnswerer answers;
    answers.then(search("tölgyes", false, false));
    QTest::keyClick(view.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].title, QString::fromUtf8("Szövegkereső"));
    EXPECT_TRUE(view->FindActive());
    ASSERT_TRUE(found().Found());
    EXPECT_EQ(found().PageIndex(), 0);
    const Rect first = found().MatchRect();
    EXPECT_GT(first.top, 37 + 20 - 1);
    EXPECT_LT(first.top, 37 + 40);
    EXPECT_EQ(desk().VertPosition(), 0); // in sight already

    QTest::keyClick(view.get(), Qt::Key_F3);
    ASSERT_TRUE(found().Found());
    EXPECT_EQ(found().PageIndex(), 0);
    const Rect second = found().MatchRect();
    EXPECT_GT(second.top, 37 + 900 - 1);
    // Below the visible part: scrolled so that the match ends 20 pixels above the bottom.
    EXPECT_EQ(desk().VertPosition(), 10 + second.bottom - 600 + 20);

    QTest::keyClick(view.get(), Qt::Key_F3);
    ASSERT_TRUE(found().Found());
    EXPECT_EQ(found().PageIndex(), 1);
    QTest::keyClick(view.get(), Qt::Key_F3);
    EXPECT_FALSE(found().Found());
    const int position = desk().VertPosition();
    QTest::keyClick(view.get(), Qt::Key_F3);
    EXPECT_EQ(desk().VertPosition(), position); // nothing found, nothing moves
}

TEST_F(PreviewSearchTest, TheMatchIsTurnedOverInXorOnePixelWiderOnEitherSide) {
    show(1000, 1200);
    ModalAnswerer answers;
    answers.then(search("Igazolás", true, true));
    view->SearchPages();
    ASSERT_TRUE(found().Found());
    const Rect m = found().MatchRect();
    RecordingCanvas canvas;
    desk().PaintArea(canvas, {0, 0, 1000, 1200}, false);
    std::vector<const CanvasRecord*> xorLines;
    for (const CanvasRecord* r : recordsOf(canvas, Kind::Line))
        if (r->pen.mode == platform::PenMode::Xor)
            xorLines.push_back(r);
    ASSERT_EQ(xorLines.size(), static_cast<size_t>(m.bottom - m.top + 1));
    EXPECT_EQ(xorLines.front()->points,
              (std::vector<platform::Point>{{103 + m.left - 1, 10 + m.top},
                                            {103 + m.right + 1, 10 + m.top}}));
    EXPECT_EQ(xorLines.back()->points[0].y, 10 + m.bottom);
    EXPECT_EQ(xorLines.front()->pen.color, platform::clWhite);
}

TEST_F(PreviewSearchTest, CaseAndStartingPageDecideWhatIsFound) {
    show(1000, 600);
    ModalAnswerer answers;
    // Case-sensitive from the current page: only the second page's lower-case word matches.
    answers.then(search("tölgyes", false, true));
    view->SearchPages();
    ASSERT_TRUE(found().Found());
    EXPECT_EQ(found().PageIndex(), 1);

    // From the second page without "from the top", the first page's matches are not seen.
    view->GoToPage(2);
    answers.then(search("Igazolás", false, false));
    view->SearchPages();
    EXPECT_FALSE(found().Found());
    answers.then(search("Igazolás", true, false));
    view->SearchPages();
    EXPECT_TRUE(found().Found());
    EXPECT_EQ(found().PageIndex(), 0);

    answers.then(search("", true, false));
    view->SearchPages();
    EXPECT_FALSE(found().Found()); // an empty text matches nothing
}

TEST_F(PreviewSearchTest, CancelledSearchThenF3SearchesOnWithThePreviousText) {
    show(1000, 600);
    ModalAnswerer answers;
    answers.then(search("tölgyes", true, false));
    view->SearchPages();
    ASSERT_EQ(found().LastMatch() >= 0, true);
    const int firstMatch = found().LastMatch();

    QString prefilled;
    answers.then([&](QWidget* w) {
        auto* dialog = qobject_cast<TrpSearchDialog*>(w);
        ASSERT_TRUE(dialog);
        prefilled = dialog->TextE->selectedText();
        dialog->CancelB->click();
    });
    view->SearchPages();
    EXPECT_EQ(prefilled, QString::fromUtf8("tölgyes"));
    EXPECT_TRUE(view->FindActive());
    view->SearchAgain();
    ASSERT_TRUE(found().Found());
    EXPECT_EQ(found().PageIndex(), 0);
    EXPECT_GT(found().LastMatch(), firstMatch);

    // A new zoom mode lays the pages out anew: F3 does nothing until the next Ctrl+F.
    view->ApplyZoomMode(report::zmPageWidth);
    const int match = found().LastMatch();
    QTest::keyClick(view.get(), Qt::Key_F3);
    EXPECT_EQ(found().LastMatch(), match);
}

TEST_F(PreviewViewTest, ABuildIntoTheOpenViewShowsItsPagesAndHoldsTheRunningFlag) {
    open(1);
    std::vector<bool> runningAtPage;
    // The host's own notification, there before the view follows the store.
    data->report.PreviewPages().OnPageAdded = [&](int) {
        runningAtPage.push_back(view && view->Running());
    };
    show(1000, 600);
    runningAtPage.clear();
    for (int i = 0; i < 2; ++i) {
        data->pages.push_back(report::rpCreate<report::TrpReportPage>(&data->report));
        data->memo(i + 1, 10, 20, "more");
    }
    std::vector<bool> states;
    view->OnBuildStateChanged = [&](bool running) { states.push_back(running); };
    ASSERT_TRUE(data->report.BuildPreparedPages(true));
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
    // The host hears of each page before the view does.
    EXPECT_EQ(runningAtPage, (std::vector<bool>{false, true, true}));
    EXPECT_FALSE(view->Running());
    EXPECT_EQ(desk().Pages().Count(), 3);
    EXPECT_EQ(desk().VertRange(), 3 * 1133 + 10);
    EXPECT_EQ(view->CurrentPage(), 1);
    view.reset();
    // The view gave the store its host's notification back.
    runningAtPage.clear();
    data->report.PreviewPages().OnPageAdded(0);
    EXPECT_EQ(runningAtPage, std::vector<bool>{false});
}
