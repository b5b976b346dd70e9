// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PrintDialog.h"

#include "preview/PrintDialogPictures.h"
#include "preview/Printers.h"
#include "preview/WindowTexts.h"

#include "report/common/RpResources.h"

#include "platform/FieldLabel.h"

#include "platform/Cp1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <algorithm>
#include <functional>

namespace preview {
namespace {

constexpr int printerItemHeight = 16;

// One entry of the printer list: the printer icon, then the name.
void drawPrinterItem(QPainter& painter, const QRect& rect, const QString& name, const QImage& icon,
                     const QPalette& palette, bool selected) {
    painter.fillRect(rect, selected ? palette.highlight() : palette.base());
    painter.drawImage(rect.left() + 2, rect.top(), icon);
    painter.setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter.drawText(rect.adjusted(24, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, name);
}

class PrinterItemDelegate : public QStyledItemDelegate {
public:
    PrinterItemDelegate(const QImage& icon, QObject* parent)
        : QStyledItemDelegate(parent)
        , icon_(icon) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setFont(option.font);
        drawPrinterItem(*painter, option.rect, index.data().toString(), icon_, option.palette,
                        option.state & QStyle::State_Selected);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), printerItemHeight};
    }

private:
    QImage icon_;
};

// A drop-down list whose items, the shown one included, are drawn by drawPrinterItem.
class PrinterComboBox : public QComboBox {
public:
    explicit PrinterComboBox(QWidget* parent)
        : QComboBox(parent)
        , icon_(transparentFromLowerLeft(printerIconBitmap())) {
        setItemDelegate(new PrinterItemDelegate(icon_, this));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        if (currentIndex() < 0)
            return;
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        drawPrinterItem(painter, field, currentText(), icon_, palette(), hasFocus());
    }

private:
    QImage icon_;
};

// A widget that leaves its painting to its owner.
class PaintBox : public QWidget {
public:
    PaintBox(QWidget* parent, std::function<void(QWidget&)> paint)
        : QWidget(parent)
        , paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override { paint_(*this); }

private:
    std::function<void(QWidget&)> paint_;
};

// The spinner beside the copies edit: one step up or down per click, repeating while held.
class UpDown : public QWidget {
public:
    UpDown(QWidget* parent, const std::function<void(int)>& step) : QWidget(parent) {
        for (const int delta : {1, -1}) {
            auto* button = new QToolButton(this);
            button->setObjectName(delta > 0 ? QStringLiteral("Up") : QStringLiteral("Down"));
            button->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
            button->setAutoRepeat(true);
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QToolButton::clicked, this, [step, delta] { step(delta); });
            // Arrows without text: the name says what a press does.
            button->setAccessibleName(
                QString::fromUtf8(delta > 0 ? "Eggyel több másolat" : "Eggyel kevesebb másolat"));
        }
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int half = height() / 2;
        findChild<QToolButton*>(QStringLiteral("Up"))->setGeometry(0, 0, width(), half);
        findChild<QToolButton*>(QStringLiteral("Down"))
            ->setGeometry(0, half, width(), height() - half);
    }
};

template <class Widget, class... Args>
Widget* place(QWidget* parent, const char* name, QRect geometry, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A label as wide as its text, at a position.
QLabel* placeLabel(QWidget* parent, const char* name, QPoint at, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TrpPrintDialog::TrpPrintDialog(TrpPrinters& printers, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , printers_(printers)
    , collated_(transparentFromLowerLeft(collatedCopiesBitmap()))
    , uncollated_(transparentFromLowerLeft(uncollatedCopiesBitmap())) {
    setObjectName(QStringLiteral("rpPrintDialog"));
    setWindowTitle(QStringLiteral("Print"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11); // 8 points at 96 dpi
    setFont(tahoma);
    setFixedSize(477, 263);

    Label12 = place<QGroupBox>(this, "Label12", {4, 4, 469, 97}, QStringLiteral("Printer"));
    PrintersCB = new PrinterComboBox(Label12);
    PrintersCB->setObjectName(QStringLiteral("PrintersCB"));
    PrintersCB->setGeometry(8, 20, 317, 22);
    PropButton =
        place<QPushButton>(Label12, "PropButton", {336, 20, 95, 22}, QStringLiteral("Properties"));
    TypeL = placeLabel(Label12, "TypeL", {16, 52}, QStringLiteral("Type:"));
    TypeL->setAlignment(Qt::AlignRight | Qt::AlignTop);
    TypeL1 = placeLabel(Label12, "TypeL1", {52, 52}, QString());
    WhereL = placeLabel(Label12, "WhereL", {8, 72}, QStringLiteral("Where:"));
    WhereL1 = placeLabel(Label12, "WhereL1", {52, 72}, QString());
    FileCB =
        place<QCheckBox>(Label12, "FileCB", {332, 52, 129, 17}, QStringLiteral("Print to file"));
    ReverseCB =
        place<QCheckBox>(Label12, "ReverseCB", {332, 72, 129, 17}, QStringLiteral("Reverse order"));

    Label1 = place<QGroupBox>(this, "Label1", {4, 104, 261, 117}, QStringLiteral("Pages"));
    AllRB = place<QRadioButton>(Label1, "AllRB", {8, 20, 125, 17}, QStringLiteral("All"));
    AllRB->setChecked(true);
    CurPageRB =
        place<QRadioButton>(Label1, "CurPageRB", {8, 40, 125, 17}, QStringLiteral("Current page"));
    PageNumbersRB =
        place<QRadioButton>(Label1, "PageNumbersRB", {8, 60, 77, 17}, QStringLiteral("Pages:"));
    PageNumbersE = place<QLineEdit>(Label1, "PageNumbersE", {72, 58, 165, 21});
    DescrL = place<QLabel>(Label1, "DescrL", {8, 82, 249, 29},
                           QStringLiteral("Enter page numbers and/or page ranges, separated by "
                                          "commas. For example, 1,3,5-12"));
    DescrL->setWordWrap(true);
    DescrL->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = place<QGroupBox>(this, "Label2", {272, 104, 201, 117}, QStringLiteral("Copies"));
    CopiesL = placeLabel(Label2, "CopiesL", {12, 20}, QStringLiteral("Number of copies"));
    CopiesE = place<QLineEdit>(Label2, "CopiesE", {132, 16, 37, 21}, QStringLiteral("1"));
    UpDown1 = new UpDown(Label2, [this](int delta) { stepCopies(delta); });
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(169, 16, 15, 21);
    CopiesPB = new PaintBox(Label2, [this](QWidget& box) { paintCopies(box); });
    CopiesPB->setObjectName(QStringLiteral("CopiesPB"));
    CopiesPB->setGeometry(12, 48, 92, 53);
    // A picture painted by hand: screen readers learn from the name what it shows.
    CopiesPB->setAccessibleName(QString::fromUtf8("Leválogatás képe"));
    CollateCB = place<QCheckBox>(Label2, "CollateCB", {116, 58, 17, 17});
    CollateCB->setChecked(true);
    CollateL = place<QLabel>(Label2, "CollateL", {136, 60, 61, 41}, QStringLiteral("Collate"));
    CollateL->setWordWrap(true);
    CollateL->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    PrintL = placeLabel(this, "PrintL", {4, 236}, QStringLiteral("Print"));
    PrintPagesCB = place<QComboBox>(this, "PrintPagesCB", {44, 232, 165, 22});
    OkB = place<QPushButton>(this, "OkB", {318, 232, 75, 25}, QStringLiteral("OK"));
    OkB->setDefault(true);
    CancelB = place<QPushButton>(this, "CancelB", {398, 232, 75, 25}, QStringLiteral("Cancel"));

    // FormCreate: the Hungarian texts over the layout's English ones.
    applyWindowTexts(*this, "TrpPrintDialog");
    for (QLabel* label : {TypeL, WhereL, CopiesL, PrintL})
        label->adjustSize();
    for (const char* key : {"ppAll", "ppOdd", "ppEven"})
        PrintPagesCB->addItem(platform::toUnicode(report::rpResource(key)));
    nameFields();

    connect(PrintersCB, &QComboBox::currentIndexChanged, this, [this] { PrintersCBClick(); });
    connect(PropButton, &QPushButton::clicked, this, [this] { PropButtonClick(); });
    connect(PageNumbersRB, &QRadioButton::clicked, this, [this] { PageNumbersE->setFocus(); });
    connect(CollateCB, &QCheckBox::toggled, this, [this] { CopiesPB->update(); });
    connect(OkB, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelB, &QPushButton::clicked, this, &QDialog::reject);
    PageNumbersE->installEventFilter(this);
    CollateL->installEventFilter(this);
    CopiesE->installEventFilter(this);
}

TrpPrintDialog::~TrpPrintDialog() = default;

void TrpPrintDialog::nameFields() {
    // Fields with a label of their own are named by it; the printer list by its group's title;
    // the page numbers by what their description asks for, since the radio button before them
    // already bears "Oldalak:".
    platform::labelField(*CopiesL, *CopiesE);
    platform::labelField(*CollateL, *CollateCB);
    platform::labelField(*PrintL, *PrintPagesCB);
    PrintersCB->setAccessibleName(Label12->title().trimmed());
    PageNumbersE->setAccessibleName(QString::fromUtf8("Oldalszámok"));
    PageNumbersE->setAccessibleDescription(DescrL->text());
}

void TrpPrintDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TrpPrintDialog::FormShow() {
    {
        const QSignalBlocker quiet(PrintersCB);
        PrintersCB->clear();
        for (const std::string& name : printers_.PrinterNames())
            PrintersCB->addItem(platform::toUnicode(name));
        PrintersCB->setCurrentIndex(printers_.PrinterIndex());
    }
    PrintersCBClick();
    rememberedIndex_ = printers_.PrinterIndex();
    CopiesPB->update();
    PrintPagesCB->setCurrentIndex(0);
    PrintPagesCB->move(PrintL->x() + PrintL->width() + 11, PrintPagesCB->y());
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void TrpPrintDialog::PrintersCBClick() {
    printers_.SetPrinterIndex(PrintersCB->currentIndex());
    const TrpCustomPrinter* printer = printers_.Printer();
    TypeL1->setText(printer ? platform::toUnicode(printer->Name()) : QString());
    WhereL1->setText(printer ? platform::toUnicode(printer->Port()) : QString());
    TypeL1->adjustSize();
    WhereL1->adjustSize();
}

void TrpPrintDialog::PropButtonClick() {
    if (TrpCustomPrinter* printer = printers_.Printer())
        printer->ShowPrinterProperties();
}

void TrpPrintDialog::stepCopies(int delta) {
    bool isNumber = false;
    const int typed = CopiesE->text().trimmed().toInt(&isNumber);
    upDownPosition_ =
        std::clamp((isNumber ? typed : upDownPosition_) + delta, CopiesMin, CopiesMax);
    CopiesE->setText(QString::number(upDownPosition_));
}

void TrpPrintDialog::paintCopies(QWidget& box) {
    QPainter painter(&box);
    painter.fillRect(box.rect(), palette().window());
    painter.drawImage(0, 0, CollateCB->isChecked() ? collated_ : uncollated_);
}

bool TrpPrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PageNumbersE && event->type() == QEvent::FocusIn) {
        PageNumbersRB->setChecked(true);
    } else if (watched == CollateL && (event->type() == QEvent::MouseButtonPress ||
                                       event->type() == QEvent::MouseButtonDblClick)) {
        CollateCB->toggle();
        return true;
    } else if (watched == CopiesE && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepCopies(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString TrpPrintDialog::ChangeFileExt(const QString& path, const QString& extension) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
    return (dot > separator ? path.left(dot) : path) + extension;
}

void TrpPrintDialog::done(int result) {
    if (result == QDialog::Accepted) {
        TrpCustomPrinter* printer = printers_.Printer();
        if (printer)
            printer->OutputFile.clear();
        if (FileCB->isChecked()) {
            QFileDialog fileDialog(this, QStringLiteral("Print To File"), QString(),
                                   QStringLiteral("Printer files (*.prn)"));
            fileDialog.setObjectName(QStringLiteral("FileDlg"));
            fileDialog.setAcceptMode(QFileDialog::AcceptSave);
            fileDialog.setOption(QFileDialog::DontConfirmOverwrite);
            if (fileDialog.exec() == QDialog::Accepted && !fileDialog.selectedFiles().isEmpty()) {
                if (printer)
                    printer->OutputFile =
                        ChangeFileExt(fileDialog.selectedFiles().front(), QStringLiteral(".prn"));
            } else {
                result = QDialog::Rejected;
            }
        }
    } else {
        printers_.SetPrinterIndex(rememberedIndex_);
    }
    QDialog::done(result);
}

} // namespace preview
