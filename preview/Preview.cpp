// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/Preview.h"

#include "preview/PreviewCursors.h"
#include "preview/PreviewServices.h"
#include "preview/PreviewWorkspace.h"
#include "preview/ProgressPanel.h"
#include "preview/SearchDialog.h"

#include "report/RpReport.h"
#include "report/common/RpResources.h"
#include "report/common/RpTypes.h"
#include "report/engine/RpEngine.h"
#include "report/prepared/RpPreviewPages.h"

#include "platform/Cp1250.h"

#include <algorithm>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

namespace preview {
namespace {

// The name with its extension (from the last dot of the file name) replaced, or the extension
// appended when it has none.
QString changeFileExt(const QString& name, const QString& extension) {
    const qsizetype dot = name.lastIndexOf('.');
    if (dot > name.lastIndexOf('/'))
        return name.left(dot) + extension;
    return name + extension;
}

} // namespace

TrpPreview::TrpPreview(PreviewServices services, QWidget* parent)
    : QWidget(parent)
    , services_(std::move(services))
    , outline_(new QTreeWidget(this))
    , splitter_(new QFrame(this))
    , workspace_(new TrpPreviewWorkspace(*this))
    , progress_(new TrpProgressPanel(this)) {
    resize(100, 100);
    setFocusPolicy(Qt::StrongFocus);
    // The pages are painted by hand, and this view, not the desk inside it, holds the focus:
    // screen readers learn from its name what they are on.
    setAccessibleName(QString::fromUtf8("Előnézet oldalai"));

    // The outline shows the prepared report's outline entries; this engine makes none, so it
    // stays empty and hidden unless the window's options show it.
    outline_->setObjectName("OutlineTree");
    outline_->setHeaderHidden(true);
    outline_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    outline_->setFixedWidth(120);
    outline_->hide();
    splitter_->setFixedWidth(2);
    splitter_->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(outline_);
    layout->addWidget(splitter_);
    layout->addWidget(workspace_, 1);

    progress_->OnCancel = [this] {
        if (pages_)
            pages_->StopRequested = true;
    };
    ChooseTool(TrpPreviewTool::Hand);
}

TrpPreview::~TrpPreview() {
    forgetStore();
}

void TrpPreview::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        services_.ShowError(e.what());
    }
}

void TrpPreview::ReportLater(const std::string& message) {
    QTimer::singleShot(0, this, [this, message] { services_.ShowError(message); });
}

void TrpPreview::Attach(report::TrpReport* report) {
    forgetStore();
    report_ = report;
    pages_ = report ? &report->PreviewPages() : nullptr;
    RelayoutPages();
    workspace_->ClearRanges();
}

void TrpPreview::StartUp() {
    findActive_ = false;
    workspace_->Search().StartAt(0);
    followStore();
    if (report_)
        workspace_->SetDoubleBuffered(report_->PreviewOptions.DoubleBuffered);
    RelayoutPages();
    RefitZoom();
    outline_->clear();
    GoToPage(1);
}

void TrpPreview::followStore() {
    if (!pages_ || following_)
        return;
    following_ = true;
    storePageAdded_ = pages_->OnPageAdded;
    storeEndFilling_ = pages_->OnEndFilling;
    storeGoToPage_ = pages_->OnGoToPage;
    pages_->OnPageAdded = [this, previous = storePageAdded_](int index) {
        if (previous)
            previous(index);
        pageAdded(index);
    };
    pages_->OnEndFilling = [this, previous = storeEndFilling_] {
        if (previous)
            previous();
        buildEnded();
    };
    // A link to a page ("@n") of a clicked object.
    pages_->OnGoToPage = [this](int index) { GoToPage(index + 1); };
}

void TrpPreview::forgetStore() {
    if (!pages_ || !following_)
        return;
    following_ = false;
    pages_->OnPageAdded = std::move(storePageAdded_);
    pages_->OnEndFilling = std::move(storeEndFilling_);
    pages_->OnGoToPage = std::move(storeGoToPage_);
}

void TrpPreview::ApplyZoom(double z) {
    if (zoomMode_ == report::zmManyPages) {
        zoomMode_ = report::zmDefault;
        RelayoutPages();
    }
    zoom_ = z < MinZoom ? MinZoom : z;
    zoomMode_ = report::zmDefault;
    RefitZoom();
}

void TrpPreview::ApplyZoomMode(report::TrpZoomMode mode) {
    zoomMode_ = mode;
    RelayoutPages();
    RefitZoom();
}

void TrpPreview::ChooseTool(TrpPreviewTool tool) {
    tool_ = tool;
    workspace_->viewport()->setCursor(
        previewCursor(tool == TrpPreviewTool::Hand ? crHand : crZoom));
}

void TrpPreview::GoToPage(int n) {
    const int count = workspace_->Pages().Count();
    if (n <= 0)
        n = 1;
    if (n > count)
        n = count;
    currentPage_ = n;
    if (n >= 1) {
        goingToPage_ = true;
        workspace_->SetVertPosition(
            workspace_->Pages().PageRect(n - 1, zoom_, workspace_->ClientWidth()).top - 10);
        goingToPage_ = false;
    }
    notifyPageChanged();
}

void TrpPreview::pageFromScroll() {
    if (goingToPage_)
        return;
    const TrpPageList& layout = workspace_->Pages();
    if (layout.Count() == 0)
        return;
    const int index = layout.FindPage(workspace_->VertPosition(), zoom_, false);
    currentPage_ = std::clamp(index + 1, 1, layout.Count());
    notifyPageChanged();
}

void TrpPreview::notifyPageChanged() {
    if (OnPageChanged)
        OnPageChanged(currentPage_);
}

void TrpPreview::RefitZoom() {
    const TrpPageList& layout = workspace_->Pages();
    if (locked_ || layout.Count() == 0)
        return;
    // Fitting changes the ranges, the scroll bars may come or go, and the client area with them:
    // a resize during the fit asks for one more round instead of nesting.
    if (refitting_) {
        refitAgain_ = true;
        return;
    }
    ++refitting_;
    int rounds = 0;
    do {
        refitAgain_ = false;
        const TrpPageItem& page = layout.Item(std::clamp(currentPage_ - 1, 0, layout.Count() - 1));
        double fitted = 0;
        switch (zoomMode_) {
        case report::zmWholePage:
            fitted = (workspace_->ClientHeight() - 20.0) / page.height;
            break;
        case report::zmPageWidth:
            fitted = (workspace_->ClientWidth() - 20.0) / page.width;
            break;
        case report::zmManyPages:
            fitted = (workspace_->ClientWidth() - 32.0) / (2.0 * page.width);
            break;
        case report::zmDefault:
            fitted = zoom_;
            break;
        }
        // A desk too small to fit anything keeps the zoom it had.
        if (fitted > 0)
            zoom_ = fitted;
        workspace_->SetRanges();
    } while (refitAgain_ && ++rounds < 3);
    --refitting_;
    workspace_->viewport()->update();
    if (OnZoomChanged)
        OnZoomChanged();
}

void TrpPreview::RelayoutPages() {
    findActive_ = false;
    workspace_->Search().DropRecording();
    TrpPageList& layout = workspace_->Pages();
    layout.Clear();
    layout.SetColumnCount(zoomMode_ == report::zmManyPages ? 2 : 1);
    if (pages_)
        for (int i = 0; i < pages_->PageCount(); ++i) {
            const QSize extent = pages_->PageExtent(i);
            layout.Add(extent.width(), extent.height());
        }
    workspace_->DropPictures();
}

void TrpPreview::PrintFromView() {
    if (running_ || !pages_)
        return;
    // A cancel of an earlier print must not stop this one before its first page.
    pages_->StopRequested = false;
    try {
        services_.RunPrintJob(*this);
    } catch (...) {
        ThawView();
        throw;
    }
    ThawView();
}

void TrpPreview::SaveFromView() {
    if (running_ || !pages_)
        return;
    const QString filter =
        platform::toUnicode(report::rpResource("clPRPfiles")) + QStringLiteral(" (*.prp)");
    QFileDialog dialog(nullptr, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program's own dialog, as every other dialog of the program is a widget dialog too.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    workspace_->viewport()->repaint();
    const QString fileName = changeFileExt(dialog.selectedFiles().first(), QStringLiteral(".prp"));
    FreezeView();
    ShowProgress(report::rpResource("clSaving"), false);
    try {
        pages_->WritePreparedFile(fileName);
    } catch (...) {
        ThawView();
        throw;
    }
    ThawView();
}

void TrpPreview::SearchPages() {
    if (!pages_)
        return;
    TrpSearchText& what = lastSearchText();
    TrpSearchDialog dialog;
    dialog.TextE->setText(platform::toUnicode(what.text));
    dialog.TextE->selectAll();
    if (dialog.exec() == QDialog::Accepted) {
        what.text = platform::toCp1250(dialog.TextE->text());
        what.caseSensitive = dialog.CaseCB->isChecked();
        workspace_->Search().StartAt(dialog.TopCB->isChecked() ? 0 : currentPage_ - 1);
        runSearch();
    }
    findActive_ = true;
}

void TrpPreview::SearchAgain() {
    if (findActive_ && pages_)
        runSearch();
}

void TrpPreview::runSearch() {
    TrpPageSearch& search = workspace_->Search();
    if (search.Run(*pages_, lastSearchText())) {
        using report::rpRound;
        const platform::Rect page =
            workspace_->Pages().PageRect(search.PageIndex(), zoom_, workspace_->ClientWidth());
        const platform::Rect& m = search.MatchRect();
        const int top = page.top + rpRound(m.top * zoom_);
        const int bottom = page.top + rpRound(m.bottom * zoom_);
        const int left = page.left + rpRound(m.left * zoom_);
        const int right = page.left + rpRound(m.right * zoom_);
        const int y = workspace_->VertPosition(), x = workspace_->HorzPosition();
        if (top < y || bottom > y + workspace_->ClientHeight())
            workspace_->SetVertPosition(bottom - workspace_->ClientHeight() + 20);
        if (left < x || right > x + workspace_->ClientWidth())
            workspace_->SetHorzPosition(right - workspace_->ClientWidth() + 20);
    }
    // Also without a match, so that an earlier highlight does not stay behind.
    workspace_->viewport()->update();
}

void TrpPreview::FreezeView() {
    locked_ = true;
    workspace_->viewport()->update();
}

void TrpPreview::ThawView() {
    HideProgress();
    locked_ = false;
    currentPage_ = 1;
    RefitZoom();
    workspace_->viewport()->update();
}

void TrpPreview::ShowProgress(const std::string& text, bool cancellable) {
    progress_->move((width() - TrpProgressPanel::PanelWidth) / 2,
                    (height() - TrpProgressPanel::PanelHeight) / 3);
    progress_->ShowProgress(text, cancellable);
}

void TrpPreview::HideProgress() {
    progress_->HideProgress();
}

void TrpPreview::ShowPrintProgress(int pageNumber) {
    if (!locked_)
        FreezeView();
    ShowProgress(report::rpResource("clPrinting") + " " + std::to_string(pageNumber), true);
}

void TrpPreview::MouseWheel(int delta) {
    if (delta == 0)
        return;
    workspace_->SetVertPosition(workspace_->VertPosition() - (delta > 0 ? 20 : -20));
}

void TrpPreview::CancelBuild() {
    if (running_ && report_)
        report_->Engine().StopReport();
}

void TrpPreview::SetOutlineVisible(bool visible) {
    outline_->setVisible(visible);
    splitter_->setVisible(visible);
}

void TrpPreview::SetOutlineWidth(int width) {
    outline_->setFixedWidth(width);
}

void TrpPreview::keyPressEvent(QKeyEvent* event) {
    TrpPreviewWorkspace& w = *workspace_;
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_P:
            RunCommand([this] { PrintFromView(); });
            return;
        case Qt::Key_S:
            RunCommand([this] { SaveFromView(); });
            return;
        case Qt::Key_F:
            RunCommand([this] { SearchPages(); });
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
        }
    }
    switch (event->key()) {
    case Qt::Key_Left:
        w.SetHorzPosition(w.HorzPosition() - TrpPreviewWorkspace::ArrowStep);
        break;
    case Qt::Key_Right:
        w.SetHorzPosition(w.HorzPosition() + TrpPreviewWorkspace::ArrowStep);
        break;
    case Qt::Key_Up:
        w.SetVertPosition(w.VertPosition() - TrpPreviewWorkspace::ArrowStep);
        break;
    case Qt::Key_Down:
        w.SetVertPosition(w.VertPosition() + TrpPreviewWorkspace::ArrowStep);
        break;
    case Qt::Key_PageUp:
        w.SetVertPosition(w.VertPosition() - TrpPreviewWorkspace::PageStep);
        break;
    case Qt::Key_PageDown:
        w.SetVertPosition(w.VertPosition() + TrpPreviewWorkspace::PageStep);
        break;
    case Qt::Key_Home:
        GoToPage(1);
        break;
    case Qt::Key_End:
        GoToPage(w.Pages().Count());
        break;
    case Qt::Key_F3:
        RunCommand([this] { SearchAgain(); });
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TrpPreview::pageAdded(int index) {
    if (!report_ || !report_->Engine().FinalPass())
        return;
    if (!running_) {
        // The first page of a build into this view: start over from the store's pages.
        running_ = true;
        outline_->clear();
        RelayoutPages();
        if (OnBuildStateChanged)
            OnBuildStateChanged(true);
    } else {
        const QSize extent = pages_->PageExtent(index);
        workspace_->Pages().Add(extent.width(), extent.height());
    }
    if (index == 0) {
        GoToPage(1);
        RefitZoom();
        firstPageTime_.start();
    } else if (index == 1) {
        // How fast pages come decides how often the view catches up with them.
        const qint64 ms = firstPageTime_.isValid() ? firstPageTime_.elapsed() : 0;
        refreshInterval_ = ms <= 4 ? 50 : ms <= 9 ? 20 : 5;
        GoToPage(1);
        RefitZoom();
    } else if (index % refreshInterval_ == 0) {
        notifyPageChanged();
        workspace_->SetRanges();
    }
    QCoreApplication::processEvents();
}

void TrpPreview::buildEnded() {
    if (!running_)
        return;
    running_ = false;
    workspace_->DropPictures();
    notifyPageChanged();
    workspace_->SetRanges();
    RefitZoom();
    if (OnBuildStateChanged)
        OnBuildStateChanged(false);
}

} // namespace preview
