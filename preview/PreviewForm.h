// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview window: a toolbar built from the report's preview options, the page view and a
// status bar. It keeps the zoom box and the status bar in step with the view, turns toolbar
// clicks and keys into view operations and decides when it may close.
#include "preview/PreviewServices.h"

#include "report/objects/RpOptions.h"

#include <QDialog>
#include <QIcon>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace report {
class TrpReport;
}

namespace preview {

class TrpPreview;

class TrpPreviewForm : public QDialog {
    Q_OBJECT
public:
    // A window of its own; with a parent it stays above that window (its transient parent). It
    // prints and reports its errors through the services.
    explicit TrpPreviewForm(PreviewServices services, QWidget* parent = nullptr);
    ~TrpPreviewForm() override;

    // Attaches the report and its prepared pages to the page view and sets the window up from the
    // report's preview options; the view then shows page 1.
    void Attach(report::TrpReport& report);

    // Toolbar actions.
    void PrintBClick();
    void ZoomWholePageBClick();
    void ZoomPageWidthBClick();
    void Zoom100BClick();
    void Zoom50BClick();
    // The zoom box's item was chosen or Enter was pressed in it.
    void ZoomCBClick();
    // Cancels a build into the view, otherwise closes the window.
    void CancelBClick();
    // Rewrites the zoom box with the view's zoom ("100%").
    void RewriteZoomBox();

    std::vector<QIcon> MainImages;
    QToolBar* ToolBar;
    QToolButton* PrintB;
    QToolButton* OpenB;
    QToolButton* SaveB;
    QToolButton* ExportB;
    QToolButton* FindB;
    QWidget* Sep1;
    QToolButton* ZoomWholePageB;
    QToolButton* ZoomPageWidthB;
    QToolButton* Zoom100B;
    QToolButton* Zoom50B;
    QWidget* Sep3;
    QComboBox* ZoomCB;
    QWidget* Sep2;
    QToolButton* PageSettingsB;
    QToolButton* OutlineB;
    QWidget* Sep5;
    QToolButton* HandToolB;
    QToolButton* ZoomToolB;
    QWidget* Sep7;
    QToolButton* NewPageB;
    QToolButton* DelPageB;
    QToolButton* DesignerB;
    QWidget* Sep6;
    QToolButton* FirstB;
    QToolButton* PriorB;
    QWidget* Sep4;
    QLineEdit* PageE;
    QToolButton* NextB;
    QToolButton* LastB;
    QWidget* frTBPanel1;
    QToolButton* CancelB;
    QMenu* ExportPopup;
    TrpPreview* Preview;
    QStatusBar* StatusBar;
    QLabel* StatusPanel0;
    QLabel* StatusPanel1;

    // The toolbar's controls that are shown, left to right.
    std::vector<QWidget*> VisibleToolbarItems() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QToolButton* addButton(const char* name, int icon);
    void nameToolbarItems();
    // The page area's accessible description: the status bar's page text and the zoom.
    void describePageArea();
    QWidget* addSeparator(const char* name);
    QWidget* addPanel(const char* name, int width);
    void setItemVisible(QWidget* item, bool visible);
    // Takes a separator off the toolbar for good.
    void removeSeparator(QWidget*& separator);
    void applyButtonOptions(const report::TrpPreviewOptions& options);
    void pageChanged(int page);
    void buildStateChanged(bool running);
    void goToPageEntry();
    // Runs a toolbar action; a failure is shown as the application's error report.
    void connectClick(QToolButton* button, void (TrpPreviewForm::*action)());

    report::TrpReport* report_ = nullptr;
    std::function<void()> previousClosePreview_;
    bool allowEdit_ = true;
};

} // namespace preview
