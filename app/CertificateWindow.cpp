// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateWindow.h"

#include "app/BevelPanel.h"
#include "app/CertificateTemplate.h"
#include "app/FittedLabel.h"
#include "app/FormText.h"
#include "app/LineBufferWindow.h"
#include "controls/Edit.h"
#include "controls/ErrorReport.h"
#include "controls/NumEdit.h"
#include "controls/StyledMainMenu.h"
#include "controls/UiFill.h"
#include "platform/Color.h"
#include "platform/Cp1250.h"
#include "platform/ProgramFolder.h"
#include "preview/OpenPreview.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdio>
#include <cstdlib>

namespace app {
namespace {

using controls::TNumEdit;
using controls::TUiFill;
using platform::TColor;

constexpr TColor kWindowColor = 10008261;
constexpr TColor kPanel1Color = 13624810;
constexpr TColor kActiveStart = 9758459;
constexpr TColor kActiveEnd = 1414638;
constexpr TColor kActiveText = 0;
constexpr TColor kInactiveFill = 12505042;
constexpr TColor kInactiveText = 4542543;
constexpr int kContentHeight = 489; // the lower edge of Panel1
constexpr int kWheelStep = 20;

QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    // A face that is not installed is drawn in its substitute; asking for the substitute itself
    // spares Qt the search for the missing face (through fontconfig) before it takes it.
    QFont font(QFont::substitute(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setColor(QWidget* w, TColor color) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, platform::toQColor(color));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, int left, int top, int width, const char* utf8,
                  const QFont& font) {
    auto* label = new FittedLabel(QString::fromUtf8(utf8), parent, width);
    label->setFont(font);
    label->move(left, top); // sized to its text when the window is first shown
    return label;
}

template <class Edit>
Edit* makeEdit(QWidget* parent, int left, int top, int width, const char* text) {
    auto* edit = new Edit(parent);
    edit->setGeometry(left, top, width, 21);
    edit->setText(QString::fromUtf8(text));
    return edit;
}

TUiFill* makeCaption(QWidget* parent, const char* utf8) {
    auto* fill = new TUiFill(parent);
    fill->setGeometry(1, 0, 703, 27);
    fill->Bevel().SetMode(controls::bmCustom);
    controls::TUiCaption& caption = fill->Caption();
    caption.SetCaption(platform::fromUtf8(utf8));
    caption.SetAlignment(controls::agCenterLeft);
    caption.Font().SetName("Tahoma");
    caption.Font().SetHeight(13);
    caption.Font().SetStyle(controls::fsBold);
    caption.Font().SetCharset(controls::EASTEUROPE_CHARSET);
    caption.Font().SetColor(platform::clWindowText);
    fill->FillObject().SetStyle(controls::sfGradient);
    fill->FillObject().Gradient().SetColor(kActiveStart);
    fill->FillObject().Gradient().SetEndColor(kActiveEnd);
    return fill;
}

TNumEdit* makeNumEdit(QWidget* parent, int left, int top) {
    auto* edit = new TNumEdit(parent);
    edit->setGeometry(left, top, 100, 21);
    edit->SetNumberFormat(controls::TNumberFormat::Thousands);
    return edit;
}

// In this order: the active caption's start, end and font colours, then the inactive one's.
void showActive(TUiFill* active, TUiFill* inactive) {
    active->FillObject().Gradient().SetColor(kActiveStart);
    active->FillObject().Gradient().SetEndColor(kActiveEnd);
    active->Caption().Font().SetColor(kActiveText);
    inactive->FillObject().Gradient().SetColor(kInactiveFill);
    inactive->FillObject().Gradient().SetEndColor(kInactiveFill);
    inactive->Caption().Font().SetColor(kInactiveText);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), saveFolder_(platform::saveFolder()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(
        QString::fromUtf8("Elektronikus nyomtatvány - Tölgyesvárhely Polgármesteri Hivatal"));
    // A sizeable frame whose only border icon is the system menu with its close button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setGeometry(142, 122, 811, 558);

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setFrameShape(QFrame::NoFrame);
    scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollBox_->setWidgetResizable(true);
    // The wheel scrolls the window (eventFilter); the scroll area itself is no tab stop, so Tab
    // goes round the nine fields only.
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget;
    content->setMinimumHeight(kContentHeight);
    setColor(content, kWindowColor);
    scrollBox_->setWidget(content);
    setCentralWidget(scrollBox_);
    qApp->installEventFilter(this);

    createComponents(content);
    createMenu();
    setTabOrder();
    LoadCertificateTemplate(rpReport1);
    OpenPreview = [this](report::TrpReport& report) {
        preview::OpenPreview(
            report,
            preview::systemPreviewServices(controls::showErrorReport, CertificateJobTitle()), this);
    };
    rpReport1.OnGetValue = [this](const std::string& name, report::TrpVariant& value) {
        rpReport1GetValue(name, value);
    };
    connect(qApp, &QApplication::focusChanged, this, &TForm1::onFocusChanged);
}

TForm1::~TForm1() {
    // The children are destroyed after this body: focus moves then, and the application must not
    // call back into the half-destroyed window.
    if (qApp) {
        disconnect(qApp, nullptr, this, nullptr);
        qApp->removeEventFilter(this);
    }
}

template <class T>
T* TForm1::add(T* component, const char* name) {
    component->setObjectName(QString::fromLatin1(name));
    components_.push_back(component);
    return component;
}

void TForm1::createComponents(QWidget* content) {
    const QFont arial15 = pixelFont(QStringLiteral("Arial"), 15);
    const QFont arial27 = pixelFont(QStringLiteral("Arial"), 27, true);

    Panel1 = add(new BevelPanel(content, BevelPanel::Bevel::Raised), "Panel1");
    Panel1->setGeometry(16, 16, 761, 473);
    setColor(Panel1, kPanel1Color);
    Label9 = add(makeLabel(Panel1, 24, 18, 349, "MUNKÁLTATÓI IGAZOLÁS", arial27), "Label9");
    Label10 = add(makeLabel(Panel1, 640, 18, 89, "KF2718", arial27), "Label10");

    Panel2 = add(new BevelPanel(Panel1, BevelPanel::Bevel::Lowered), "Panel2");
    Panel2->setGeometry(24, 64, 705, 113);
    Panel2->setAccessibleName(QString::fromUtf8("I. A munkáltató"));
    Label1 = add(makeLabel(Panel2, 24, 72, 31, "Cím:", arial15), "Label1");
    UiFill1 = add(makeCaption(Panel2, "    I. A MUNKÁLTATÓ"), "UiFill1");
    Label3 = add(makeLabel(Panel2, 24, 48, 29, "Név:", arial15), "Label3");
    Edit1 = add(makeEdit<controls::TEdit>(Panel2, 64, 48, 625, "-"), "Edit1");
    Edit2 = add(makeEdit<controls::TEdit>(Panel2, 64, 72, 625, "-"), "Edit2");

    Panel3 = add(new BevelPanel(Panel1, BevelPanel::Bevel::Lowered), "Panel3");
    Panel3->setGeometry(24, 192, 705, 257);
    Panel3->setAccessibleName(QString::fromUtf8("II. A munkavállaló"));
    UiFill2 = add(makeCaption(Panel3, "     II. A MUNKAVÁLLALÓ"), "UiFill2");
    Label2 = add(makeLabel(Panel3, 24, 48, 29, "Név:", arial15), "Label2");
    Label4 = add(makeLabel(Panel3, 24, 112, 66, "Beosztás:", arial15), "Label4");
    Label5 = add(makeLabel(Panel3, 24, 152, 158, "Mióta áll alkalmazásban:", arial15), "Label5");
    Label6 =
        add(makeLabel(Panel3, 24, 192, 398,
                      "Az utolsó 3 havi nettó jövedelem átlaga (családi pótlék nélkül):", arial15),
            "Label6");
    Label7 = add(makeLabel(Panel3, 536, 194, 17, "Ft.", arial15), "Label7");
    Label8 = add(makeLabel(Panel3, 328, 48, 93, "Leánykori név:", arial15), "Label8");
    Label11 = add(makeLabel(Panel3, 24, 216, 155, "Családi pótlék összege:", arial15), "Label11");
    Label12 = add(makeLabel(Panel3, 296, 218, 17, "Ft.", arial15), "Label12");
    Label13 = add(makeLabel(Panel3, 24, 72, 31, "Cím:", arial15), "Label13");
    Edit3 = add(makeEdit<controls::TEdit>(Panel3, 64, 48, 257, ""), "Edit3");
    Edit4 = add(makeEdit<controls::TEdit>(Panel3, 104, 112, 585, ""), "Edit4");
    Edit5 = add(makeEdit<controls::TEdit>(Panel3, 192, 152, 145, ""), "Edit5");
    NumEdit1 = add(makeNumEdit(Panel3, 432, 192), "NumEdit1");
    Edit6 = add(makeEdit<controls::TEdit>(Panel3, 432, 48, 257, ""), "Edit6");
    NumEdit2 = add(makeNumEdit(Panel3, 192, 216), "NumEdit2");
    Edit7 = add(makeEdit<controls::TEdit>(Panel3, 64, 72, 625, ""), "Edit7");
    nameFields();
}

void TForm1::nameFields() {
    // A screen reader announces a field by its accessible name. The labels alone would not do:
    // both sections have a "Név:" and a "Cím:". Each label is still its field's buddy, so that the
    // field is "labelled by" the text on the screen.
    struct Naming {
        QWidget* field;
        QLabel* label;
        const char* name;
    };
    const Naming namings[] = {
        {Edit1, Label3, "Munkáltató neve"},
        {Edit2, Label1, "Munkáltató címe"},
        {Edit3, Label2, "Munkavállaló neve"},
        {Edit6, Label8, "Leánykori név"},
        {Edit7, Label13, "Munkavállaló címe"},
        {Edit4, Label4, "Beosztás"},
        {Edit5, Label5, "Mióta áll alkalmazásban"},
        {NumEdit1, Label6, "Az utolsó 3 havi nettó jövedelem átlaga (Ft)"},
        {NumEdit2, Label11, "Családi pótlék összege (Ft)"},
    };
    for (const Naming& n : namings) {
        n.field->setAccessibleName(QString::fromUtf8(n.name));
        n.label->setBuddy(n.field);
    }
    // The currency after the amounts labels them too; the name leaves out what the income
    // excludes, so it is said after the name.
    Label7->setBuddy(NumEdit1);
    Label12->setBuddy(NumEdit2);
    NumEdit1->setAccessibleDescription(QString::fromUtf8("családi pótlék nélkül"));
}

void TForm1::createMenu() {
    StyledMainMenu1 = add(new controls::TStyledMainMenu(this), "StyledMainMenu1");
    setMenuBar(StyledMainMenu1);
    const auto command = [this](const char* name, const char* caption) {
        return add(StyledMainMenu1->addAction(QString::fromUtf8(caption)), name);
    };
    Nyomtats1 = command("Nyomtats1", "Nyomtatás");
    Kitltsmentse1 = command("Kitltsmentse1", "Űrlap mentése");
    Kitltttrlapbetltse1 = command("Kitltttrlapbetltse1", "Kitöltött űrlap betöltése");
    Kilps1 = command("Kilps1", "Kilépés");
    // A command's failure is shown as the standard error report and the program goes on.
    const auto run = [this](void (TForm1::*handler)()) {
        return [this, handler] { controls::runCommand([this, handler] { (this->*handler)(); }); };
    };
    connect(Nyomtats1, &QAction::triggered, this, run(&TForm1::Nyomtats1Click));
    connect(Kitltsmentse1, &QAction::triggered, this, run(&TForm1::Kitltsmentse1Click));
    connect(Kitltttrlapbetltse1, &QAction::triggered, this, run(&TForm1::Kitltttrlapbetltse1Click));
    connect(Kilps1, &QAction::triggered, this, &TForm1::Kilps1Click);
}

void TForm1::setTabOrder() {
    const QList<QWidget*> order = {Edit1, Edit2, Edit3,    Edit6,   Edit7,
                                   Edit4, Edit5, NumEdit1, NumEdit2};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

QObject* TForm1::FindComponent(std::string_view name) const {
    const QString wanted = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    for (QObject* c : components_)
        if (c->objectName().compare(wanted, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

void TForm1::ComposeFormText() {
    app::ComposeFormText(components_, *form3_->RichEdit3, *form3_->RichEdit4);
}

void TForm1::RestoreFormText() {
    app::RestoreFormText(components_, *form3_->RichEdit4);
}

void TForm1::Kilps1Click() {
    std::fflush(nullptr);
    std::_Exit(0);
}

void TForm1::FormMouseWheelDown() {
    QScrollBar* bar = scrollBox_->verticalScrollBar();
    bar->setValue(bar->value() + kWheelStep);
}

void TForm1::FormMouseWheelUp() {
    QScrollBar* bar = scrollBox_->verticalScrollBar();
    bar->setValue(bar->value() - kWheelStep);
}

bool TForm1::scrollByWheel(QWheelEvent* event) {
    // A notch is 120; finer wheels send parts of it, which add up to whole notches.
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ <= -120) {
        wheelRemainder_ += 120;
        FormMouseWheelDown();
    }
    while (wheelRemainder_ >= 120) {
        wheelRemainder_ -= 120;
        FormMouseWheelUp();
    }
    event->accept();
    return true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Wheel steps anywhere in the window scroll the window, whichever child is under the pointer
    // or has the focus: no child consumes them (not even the scroll bar, whose own step differs).
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        return scrollByWheel(static_cast<QWheelEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!std::exchange(shownOnce_, true)) {
        // Labels size themselves to their text. Measuring loads their fonts, which a window that
        // is never shown (the command-line export) need not pay for.
        QList<FittedLabel*> labels;
        for (QObject* c : components_)
            if (auto* label = qobject_cast<FittedLabel*>(c))
                labels.append(label);
        FittedLabel::FitAll(labels);
        // The first field is entered as by the keyboard: its text selected, so that what the
        // user types replaces the "-". The window may not be active yet, so the focus-in that
        // would select it can come later with another reason: select it here.
        Edit1->setFocus(Qt::TabFocusReason);
        Edit1->selectAll();
    }
}

void TForm1::Panel2Enter() {
    showActive(UiFill1, UiFill2);
}

void TForm1::Panel3Enter() {
    showActive(UiFill2, UiFill1);
}

void TForm1::onFocusChanged(QWidget* old, QWidget* now) {
    const auto inside = [](QWidget* panel, QWidget* w) { return w && panel->isAncestorOf(w); };
    if (inside(Panel2, now) && !inside(Panel2, old))
        Panel2Enter();
    if (inside(Panel3, now) && !inside(Panel3, old))
        Panel3Enter();
}

} // namespace app
