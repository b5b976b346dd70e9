// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewForm.h"

#include "preview/Preview.h"
#include "preview/PreviewIcons.h"
#include "preview/PreviewServices.h"
#include "preview/WindowTexts.h"
#include "preview/ZoomText.h"

#include "report/RpReport.h"
#include "report/common/RpResources.h"
#include "report/engine/RpEngine.h"
#include "report/prepared/RpPreviewPages.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyleOptionComplex>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <climits>

namespace preview {
namespace {

QString text(const std::string& key) {
    return platform::toUnicode(report::rpResource(key));
}

bool hasButton(report::TrpPreviewButtons buttons, report::TrpPreviewButton button) {
    return (buttons >> button) & 1;
}

// The format's "%d" placeholders replaced by the numbers in order.
std::string formatNumbers(const std::string& format, std::initializer_list<int> numbers) {
    std::string out;
    auto next = numbers.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'd' &&
            next != numbers.end()) {
            out += std::to_string(*next++);
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

// The zoom box is 49 pixels wide: a narrow arrow leaves room for "100%".
class NarrowComboArrow : public QProxyStyle {
public:
    static constexpr int ArrowWidth = 11;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        const QRect r = QProxyStyle::subControlRect(control, option, sub, widget);
        if (control != CC_ComboBox)
            return r;
        const QRect frame = option->rect.adjusted(1, 1, -1, -1);
        if (sub == SC_ComboBoxArrow)
            return QRect(frame.right() - ArrowWidth + 1, frame.top(), ArrowWidth, frame.height());
        if (sub == SC_ComboBoxEditField)
            return QRect(frame.left() + 1, frame.top(), frame.width() - ArrowWidth - 1,
                         frame.height());
        return r;
    }
};

} // namespace

TrpPreviewForm::TrpPreviewForm(PreviewServices services, QWidget* parent) : QDialog(parent) {
    setObjectName("TrpPreviewForm");
    // A dialog to the window system, so that it tells the window manager whose window it is
    // (WM_TRANSIENT_FOR); sizeable and maximizable all the same.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(QFont("Tahoma", 8));
    resize(741, 584);

    MainImages = cutIconStrip(previewIconStrip());
    ToolBar = new QToolBar(this);
    ToolBar->setObjectName("ToolBar");
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setIconSize(QSize(PreviewIconSize, PreviewIconSize));
    ToolBar->setContentsMargins(2, 2, 2, 2);

    PrintB = addButton("PrintB", 2);
    OpenB = addButton("OpenB", 0);
    SaveB = addButton("SaveB", 1);
    ExportB = addButton("ExportB", 3);
    ExportPopup = new QMenu(this);
    ExportB->setMenu(ExportPopup);
    ExportB->setPopupMode(QToolButton::MenuButtonPopup);
    FindB = addButton("FindB", 4);
    Sep1 = addSeparator("Sep1");
    ZoomWholePageB = addButton("ZoomWholePageB", 12);
    ZoomPageWidthB = addButton("ZoomPageWidthB", 13);
    Zoom100B = addButton("Zoom100B", 14);
    Zoom50B = addButton("Zoom50B", 15);
    Sep3 = addPanel("Sep3", 56);
    ZoomCB = new QComboBox(Sep3);
    ZoomCB->setObjectName("ZoomCB");
    ZoomCB->setEditable(true);
    ZoomCB->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is the entry: completing "10" from the list to "100%" would change its
    // meaning (an entry of 10 is 25 %).
    ZoomCB->setCompleter(nullptr);
    ZoomCB->setGeometry(4, 2, 49, 19);
    auto* narrowArrow = new NarrowComboArrow;
    narrowArrow->setParent(ZoomCB);
    ZoomCB->setStyle(narrowArrow);
    ZoomCB->view()->setMinimumWidth(100);
    Sep2 = addSeparator("Sep2");
    PageSettingsB = addButton("PageSettingsB", 7);
    OutlineB = addButton("OutlineB", 5);
    OutlineB->setCheckable(true);
    Sep5 = addSeparator("Sep5");
    HandToolB = addButton("HandToolB", 16);
    ZoomToolB = addButton("ZoomToolB", 17);
    HandToolB->setCheckable(true);
    ZoomToolB->setCheckable(true);
    HandToolB->setAutoExclusive(true);
    ZoomToolB->setAutoExclusive(true);
    HandToolB->setChecked(true);
    Sep7 = addSeparator("Sep7");
    NewPageB = addButton("NewPageB", 19);
    DelPageB = addButton("DelPageB", 20);
    DesignerB = addButton("DesignerB", 21);
    Sep6 = addSeparator("Sep6");
    FirstB = addButton("FirstB", 8);
    PriorB = addButton("PriorB", 9);
    Sep4 = addPanel("Sep4", 47);
    PageE = new QLineEdit(Sep4);
    PageE->setObjectName("PageE");
    PageE->setGeometry(4, 2, 39, 19);
    NextB = addButton("NextB", 10);
    LastB = addButton("LastB", 11);
    frTBPanel1 = addPanel("frTBPanel1", 50);
    CancelB = new QToolButton(ToolBar);
    CancelB->setObjectName("CancelB");
    CancelB->setToolButtonStyle(Qt::ToolButtonTextOnly);
    CancelB->setFixedSize(68, 23);
    CancelB->setFocusPolicy(Qt::NoFocus);
    ToolBar->addWidget(CancelB);

    Preview = new TrpPreview(std::move(services), this);
    Preview->setObjectName("Preview");
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar);
    StatusPanel0->setFixedWidth(150);
    StatusPanel1 = new QLabel(StatusBar);
    StatusPanel1->setMinimumWidth(50);
    StatusBar->addWidget(StatusPanel0);
    StatusBar->addWidget(StatusPanel1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar);
    layout->addWidget(Preview, 1);
    layout->addWidget(StatusBar);

    applyWindowTexts(*this, "TrpPreviewForm");
    ZoomCB->addItems(
        {"25%", "50%", "75%", "100%", "150%", "200%", text("zmPageWidth"), text("zmWholePage")});
    nameToolbarItems();

    connectClick(PrintB, &TrpPreviewForm::PrintBClick);
    connectClick(ZoomWholePageB, &TrpPreviewForm::ZoomWholePageBClick);
    connectClick(ZoomPageWidthB, &TrpPreviewForm::ZoomPageWidthBClick);
    connectClick(Zoom100B, &TrpPreviewForm::Zoom100BClick);
    connectClick(Zoom50B, &TrpPreviewForm::Zoom50BClick);
    connectClick(CancelB, &TrpPreviewForm::CancelBClick);
    connect(SaveB, &QToolButton::clicked, this,
            [this] { Preview->RunCommand([this] { Preview->SaveFromView(); }); });
    connect(FindB, &QToolButton::clicked, this,
            [this] { Preview->RunCommand([this] { Preview->SearchPages(); }); });
    connect(ZoomCB, &QComboBox::activated, this,
            [this] { Preview->RunCommand([this] { ZoomCBClick(); }); });
    connect(OutlineB, &QToolButton::toggled, Preview, &TrpPreview::SetOutlineVisible);
    connect(HandToolB, &QToolButton::clicked, this,
            [this] { Preview->ChooseTool(TrpPreviewTool::Hand); });
    connect(ZoomToolB, &QToolButton::clicked, this,
            [this] { Preview->ChooseTool(TrpPreviewTool::Zoom); });
    connect(FirstB, &QToolButton::clicked, this, [this] { Preview->GoToPage(1); });
    connect(PriorB, &QToolButton::clicked, this,
            [this] { Preview->GoToPage(Preview->CurrentPage() - 1); });
    connect(NextB, &QToolButton::clicked, this,
            [this] { Preview->GoToPage(Preview->CurrentPage() + 1); });
    connect(LastB, &QToolButton::clicked, this, [this] { Preview->GoToPage(INT_MAX); });

    Preview->OnPageChanged = [this](int page) { pageChanged(page); };
    Preview->OnZoomChanged = [this] { RewriteZoomBox(); };
    Preview->OnBuildStateChanged = [this](bool running) { buildStateChanged(running); };
    Preview->setFocus();
    // The window sees keys and wheel messages before its controls do.
    qApp->installEventFilter(this);
}

TrpPreviewForm::~TrpPreviewForm() {
    // The base class hides the window when this part is gone already; the zoom box losing the
    // focus then reports its text as chosen, which must not reach this window any more.
    ZoomCB->disconnect(this);
    if (report_)
        report_->OnClosePreview = std::move(previousClosePreview_);
}

QToolButton* TrpPreviewForm::addButton(const char* name, int icon) {
    auto* button = new QToolButton(ToolBar);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(MainImages.at(static_cast<size_t>(icon)));
    button->setFixedSize(23, 23);
    button->setFocusPolicy(Qt::NoFocus);
    ToolBar->addWidget(button);
    return button;
}

QWidget* TrpPreviewForm::addSeparator(const char* name) {
    auto* separator = new QFrame(ToolBar);
    separator->setObjectName(name);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedSize(8, 23);
    ToolBar->addWidget(separator);
    return separator;
}

QWidget* TrpPreviewForm::addPanel(const char* name, int width) {
    auto* panel = new QWidget(ToolBar);
    panel->setObjectName(name);
    panel->setFixedSize(width, 23);
    panel->setBackgroundRole(QPalette::Button);
    panel->setAutoFillBackground(true);
    ToolBar->addWidget(panel);
    return panel;
}

void TrpPreviewForm::nameToolbarItems() {
    // The buttons show only icons: screen readers name them by their hints, as sighted users
    // learn them. CancelB shows its text, which names it. The toolbar's own button that opens
    // what does not fit has neither.
    for (QToolButton* button : ToolBar->findChildren<QToolButton*>()) {
        if (!button->toolTip().isEmpty())
            button->setAccessibleName(button->toolTip());
        else if (button->text().isEmpty())
            button->setAccessibleName(QString::fromUtf8("További gombok"));
    }
    // The edit boxes by their hints too; the zoom box's typing line is named as the box.
    ZoomCB->setAccessibleName(ZoomCB->toolTip());
    ZoomCB->lineEdit()->setAccessibleName(ZoomCB->toolTip());
    PageE->setAccessibleName(PageE->toolTip());
    // The zoom buttons cannot take the focus; these keys reach them from anywhere in the window
    // (a hidden button's key does nothing). Ctrl+0, 1 and 2 are the keys common page viewers use
    // for the whole page, 100 % and the page width.
    ZoomWholePageB->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    Zoom100B->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    ZoomPageWidthB->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    Zoom50B->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
}

void TrpPreviewForm::setItemVisible(QWidget* item, bool visible) {
    for (QAction* action : ToolBar->actions())
        if (ToolBar->widgetForAction(action) == item)
            action->setVisible(visible);
}

void TrpPreviewForm::removeSeparator(QWidget*& separator) {
    if (!separator)
        return;
    for (QAction* action : ToolBar->actions())
        if (ToolBar->widgetForAction(action) == separator)
            ToolBar->removeAction(action);
    delete separator;
    separator = nullptr;
}

std::vector<QWidget*> TrpPreviewForm::VisibleToolbarItems() const {
    std::vector<QWidget*> items;
    for (QAction* action : ToolBar->actions())
        if (action->isVisible())
            if (QWidget* widget = ToolBar->widgetForAction(action))
                items.push_back(widget);
    return items;
}

void TrpPreviewForm::connectClick(QToolButton* button, void (TrpPreviewForm::*action)()) {
    connect(button, &QToolButton::clicked, this,
            [this, action] { Preview->RunCommand([this, action] { (this->*action)(); }); });
}

void TrpPreviewForm::Attach(report::TrpReport& report) {
    using namespace report;
    report_ = &report;
    previousClosePreview_ = report.OnClosePreview;
    report.OnClosePreview = [this] { close(); };
    Preview->Attach(&report);
    const TrpPreviewOptions& options = report.PreviewOptions;
    if (options.Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    // MDIChild has no meaning here: the program has no MDI frame window.
    Preview->SetOutlineVisible(options.OutlineVisible);
    Preview->SetOutlineWidth(options.OutlineWidth);
    Preview->ApplyZoom(options.Zoom);
    Preview->ApplyZoomMode(options.ZoomMode);
    allowEdit_ = options.AllowEdit;
    for (QToolButton* button : {NewPageB, DelPageB, DesignerB})
        button->setEnabled(allowEdit_);
    applyButtonOptions(options);
    // Export filters would each add an item to ExportPopup; none is registered in this program.
    if (!report.ReportOptions.Name.empty())
        setWindowTitle(platform::toUnicode(report.ReportOptions.Name));
    Preview->StartUp();
}

void TrpPreviewForm::applyButtonOptions(const report::TrpPreviewOptions& options) {
    using namespace report;
    const TrpPreviewButtons b = options.Buttons;
    setItemVisible(PrintB, hasButton(b, pbPrint));
    setItemVisible(OpenB, hasButton(b, pbLoad));
    setItemVisible(SaveB, hasButton(b, pbSave));
    setItemVisible(ExportB, hasButton(b, pbExport));
    setItemVisible(FindB, hasButton(b, pbFind));
    for (QWidget* item :
         std::initializer_list<QWidget*>{ZoomWholePageB, ZoomPageWidthB, Zoom100B, Zoom50B, Sep3})
        setItemVisible(item, hasButton(b, pbZoom));
    setItemVisible(PageSettingsB, hasButton(b, pbPageSetup));
    setItemVisible(OutlineB, hasButton(b, pbOutline));
    for (QWidget* item : {HandToolB, ZoomToolB})
        setItemVisible(item, hasButton(b, pbTools));
    for (QWidget* item : {NewPageB, DelPageB, DesignerB})
        setItemVisible(item, hasButton(b, pbEdit));
    for (QWidget* item : std::initializer_list<QWidget*>{FirstB, PriorB, Sep4, NextB, LastB})
        setItemVisible(item, hasButton(b, pbNavigator));
    if (!hasButton(b, pbZoom))
        removeSeparator(Sep1);
    if (!hasButton(b, pbOutline) && !hasButton(b, pbPageSetup))
        removeSeparator(Sep2);
    if (!hasButton(b, pbTools))
        removeSeparator(Sep5);
    if (!hasButton(b, pbEdit))
        removeSeparator(Sep7);
    if (!hasButton(b, pbNavigator))
        removeSeparator(Sep6);
    OutlineB->setChecked(options.OutlineVisible);
    const Qt::ToolButtonStyle style =
        options.ShowCaptions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly;
    for (QToolButton* button : ToolBar->findChildren<QToolButton*>()) {
        if (button == CancelB || !button->objectName().endsWith('B'))
            continue;
        button->setToolButtonStyle(style);
        if (options.ShowCaptions) {
            button->setMinimumSize(23, 23);
            button->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
    }
}

void TrpPreviewForm::PrintBClick() {
    const PreviewServices& services = Preview->Services();
    if (!services.HasRealPrinters()) {
        // "No printer installed" would be wrong when the print service is only not there.
        const std::string reason = services.NoPrinterReason ? services.NoPrinterReason() : "";
        QMessageBox box(QMessageBox::Critical, text("mbError"),
                        reason.empty() ? text("clNoPrinters") : platform::toUnicode(reason),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    Preview->PrintFromView();
}

void TrpPreviewForm::ZoomWholePageBClick() {
    Preview->ApplyZoomMode(report::zmWholePage);
    RewriteZoomBox();
}

void TrpPreviewForm::ZoomPageWidthBClick() {
    Preview->ApplyZoomMode(report::zmPageWidth);
    RewriteZoomBox();
}

void TrpPreviewForm::Zoom100BClick() {
    Preview->ApplyZoom(1.0);
    RewriteZoomBox();
}

void TrpPreviewForm::Zoom50BClick() {
    Preview->ApplyZoomMode(report::zmManyPages);
    RewriteZoomBox();
}

void TrpPreviewForm::ZoomCBClick() {
    Preview->setFocus();
    // The item counts as chosen only while the box still shows its text.
    const int index = ZoomCB->currentIndex();
    const bool chosen = index >= 0 && ZoomCB->currentText() == ZoomCB->itemText(index);
    if (chosen && index == 6) {
        ZoomPageWidthBClick();
    } else if (chosen && index == 7) {
        ZoomWholePageBClick();
    } else if (const std::optional<double> percent =
                   zoomEntryPercent(platform::toCp1250(ZoomCB->currentText()))) {
        Preview->ApplyZoom(*percent / 100);
    }
    // Posted, so that it comes after the box has finished with the chosen item: the box then
    // shows the zoom that resulted (an entry of 10 comes back as 25%).
    QMetaObject::invokeMethod(this, &TrpPreviewForm::RewriteZoomBox, Qt::QueuedConnection);
}

void TrpPreviewForm::RewriteZoomBox() {
    // The list marks the item of the zoom in force, none when the zoom has no item.
    const QString zoom = platform::toUnicode(zoomBoxText(Preview->Zoom()));
    const QSignalBlocker quiet(ZoomCB);
    ZoomCB->setCurrentIndex(ZoomCB->findText(zoom));
    ZoomCB->setEditText(zoom);
    describePageArea();
}

void TrpPreviewForm::describePageArea() {
    // What a sighted user reads off the status bar and the zoom box, said with the page area.
    const QString description = StatusPanel0->text() + QString::fromUtf8(", nagyítás: ") +
                                platform::toUnicode(zoomBoxText(Preview->Zoom()));
    // Each change is announced: only a real one, or a screen reader repeats itself.
    if (Preview->accessibleDescription() != description)
        Preview->setAccessibleDescription(description);
}

void TrpPreviewForm::CancelBClick() {
    if (Preview->Running())
        Preview->CancelBuild();
    else
        close();
}

void TrpPreviewForm::pageChanged(int page) {
    if (!report_)
        return;
    const int count = report_->PreviewPages().PageCount();
    const report::TrpEngine& engine = report_->Engine();
    std::string status;
    if (engine.Running() && engine.DoublePass() && !engine.FinalPass())
        status = report::rpResource("clFirstPass") + std::to_string(count);
    else
        status = formatNumbers(report::rpResource("clPageOf"), {page, count});
    StatusPanel0->setText(platform::toUnicode(status));
    PageE->setText(QString::number(page));
    describePageArea();
}

void TrpPreviewForm::buildStateChanged(bool running) {
    for (QToolButton* button :
         {PrintB, OpenB, SaveB, ExportB, FindB, PageSettingsB, NewPageB, DelPageB, DesignerB}) {
        if (running && button->isCheckable())
            button->setChecked(false);
        button->setEnabled(!running);
    }
    if (!running)
        for (QToolButton* button : {NewPageB, DelPageB, DesignerB})
            button->setEnabled(allowEdit_);
    CancelB->setText(text(running ? "clCancel" : "clClose"));
    if (!running)
        StatusPanel1->clear();
}

void TrpPreviewForm::goToPageEntry() {
    Preview->GoToPage(platform::strToInt(platform::toCp1250(PageE->text())));
}

bool TrpPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::Wheel)
        return QDialog::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QDialog::eventFilter(watched, event);
    if (type == QEvent::Wheel) {
        Preview->MouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        Preview->RunCommand([this] { CancelBClick(); });
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && (focus == ZoomCB || ZoomCB->isAncestorOf(focus))) {
            Preview->RunCommand([this] { ZoomCBClick(); });
            return true;
        }
        if (focus == PageE) {
            Preview->RunCommand([this] { goToPageEntry(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TrpPreviewForm::closeEvent(QCloseEvent* event) {
    if (Preview->Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TrpPreviewForm::reject() {
    if (!Preview->Running())
        QDialog::reject();
}

} // namespace preview
