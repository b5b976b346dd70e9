// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view inside the preview window: shows the prepared pages of a report on a scrolling
// desk (TrpPreviewWorkspace) and carries what works on the whole prepared report: zoom and zoom
// modes, printing, saving the prepared report, searching its text. While a print or a save runs
// it locks itself and shows a progress panel.
#include "preview/PreviewServices.h"

#include "report/objects/RpOptions.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <string>

class QFrame;
class QTreeWidget;

namespace report {
class TrpPreviewPages;
class TrpReport;
} // namespace report

namespace preview {

class TrpPreviewWorkspace;
class TrpProgressPanel;

enum class TrpPreviewTool { Hand, Zoom };

class TrpPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr double MinZoom = 0.25;

    explicit TrpPreview(PreviewServices services, QWidget* parent = nullptr);
    ~TrpPreview() override;

    const PreviewServices& Services() const { return services_; }
    // Runs a command of the view or its window; a failure goes to the error report and the
    // program goes on.
    void RunCommand(const std::function<void()>& command);
    // The error report of a failure inside an event handler, shown once the event is over: Qt's
    // event loop must not see exceptions, and a modal box must not open in the middle of a paint.
    void ReportLater(const std::string& message);

    // Attaches the report and its prepared pages (or detaches with none); the view only refers to
    // them. StartUp then shows them.
    void Attach(report::TrpReport* report);
    report::TrpReport* Report() const { return report_; }
    report::TrpPreviewPages* Pages() const { return pages_; }
    // After attaching: clears the find state, follows the store, takes DoubleBuffered from the
    // preview options, lays the pages out, fits the zoom and goes to page 1.
    void StartUp();

    int CurrentPage() const { return currentPage_; }
    double Zoom() const { return zoom_; }
    report::TrpZoomMode ZoomMode() const { return zoomMode_; }
    TrpPreviewTool Tool() const { return tool_; }
    bool Locked() const { return locked_; }
    bool Running() const { return running_; }
    bool FindActive() const { return findActive_; }

    // zoom := z (at least 0.25) in mode zmDefault; two pages side by side become one again.
    void ApplyZoom(double z);
    void ApplyZoomMode(report::TrpZoomMode mode);
    void ChooseTool(TrpPreviewTool tool);
    // Current page := n within 1 … page count; scrolls the page's top 10 pixels below the top of
    // the desk and tells the window.
    void GoToPage(int n);
    // Fits the zoom to the mode, sets the scroll ranges, repaints, lets the window show the zoom.
    // Does nothing while locked or without pages.
    void RefitZoom();
    // A new layout of every page of the store (two columns in zmManyPages); ends find-active.
    void RelayoutPages();

    // The print job over these pages (PreviewServices.h); ThawView afterwards in any case.
    void PrintFromView();
    // Asks for a file name and writes the prepared report there with the extension ".prp".
    void SaveFromView();
    // Ctrl+F: asks for the text and searches; F3: searches on from the last match.
    void SearchPages();
    void SearchAgain();

    void FreezeView();
    // Unlocks: progress panel hidden, current page 1 without scrolling or notification, zoom
    // fitted and pages repainted.
    void ThawView();
    // The progress panel, centered horizontally and at a third of the height.
    void ShowProgress(const std::string& text, bool cancellable);
    void HideProgress();
    // The print job's progress before each page: "Oldal nyomtatása n" with the cancel button.
    void ShowPrintProgress(int pageNumber);
    // One wheel message: 20 pixels up for a positive delta, down for a negative one.
    void MouseWheel(int delta);
    // Stops a build that runs into this view.
    void CancelBuild();

    TrpPreviewWorkspace* Workspace() const { return workspace_; }
    TrpProgressPanel* ProgressPanel() const { return progress_; }
    QTreeWidget* OutlineTree() const { return outline_; }
    void SetOutlineVisible(bool visible);
    void SetOutlineWidth(int width);

    // Notifications to the window: the page changed (its number), the zoom changed, a build into
    // the view started or ended.
    std::function<void(int page)> OnPageChanged;
    std::function<void()> OnZoomChanged;
    std::function<void(bool running)> OnBuildStateChanged;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TrpPreviewWorkspace;

    void followStore();
    void forgetStore();
    // The workspace scrolled vertically: the page at the new position becomes current.
    void pageFromScroll();
    void notifyPageChanged();
    void runSearch();
    // The store's notifications of a build into the view.
    void pageAdded(int index);
    void buildEnded();

    PreviewServices services_;
    report::TrpReport* report_ = nullptr;
    report::TrpPreviewPages* pages_ = nullptr;
    std::function<void(int)> storePageAdded_;
    std::function<void()> storeEndFilling_;
    std::function<void(int)> storeGoToPage_;
    bool following_ = false;

    int currentPage_ = 1;
    double zoom_ = 1.0;
    report::TrpZoomMode zoomMode_ = report::zmDefault;
    TrpPreviewTool tool_ = TrpPreviewTool::Hand;
    bool locked_ = false;
    bool running_ = false;
    bool findActive_ = false;
    bool goingToPage_ = false;
    int refitting_ = 0;
    bool refitAgain_ = false;
    int refreshInterval_ = 50;
    QElapsedTimer firstPageTime_;

    QTreeWidget* outline_;
    QFrame* splitter_;
    TrpPreviewWorkspace* workspace_;
    TrpProgressPanel* progress_;
};

} // namespace preview
