// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print dialog: the printer (with its driver properties and printing to a file), the pages,
// the number of copies and their order. The print job fills it from the report's print options
// and reads the choices back after OK; the printer chosen and the output file stay on the printer
// list's current printer. Cancelling restores the printer that was current when it opened.
#include <QDialog>
#include <QImage>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace preview {

class TrpPrinters;

class TrpPrintDialog : public QDialog {
    Q_OBJECT
public:
    explicit TrpPrintDialog(TrpPrinters& printers, QWidget* parent = nullptr);
    ~TrpPrintDialog() override;

    // The spinner's limits; the edit itself takes any text.
    static constexpr int CopiesMin = 1;
    static constexpr int CopiesMax = 100;

    QGroupBox* Label12;
    QComboBox* PrintersCB;
    QPushButton* PropButton;
    QLabel* TypeL;
    QLabel* TypeL1;
    QLabel* WhereL;
    QLabel* WhereL1;
    QCheckBox* FileCB;
    QCheckBox* ReverseCB;
    QGroupBox* Label1;
    QRadioButton* AllRB;
    QRadioButton* CurPageRB;
    QRadioButton* PageNumbersRB;
    QLineEdit* PageNumbersE;
    QLabel* DescrL;
    QGroupBox* Label2;
    QLabel* CopiesL;
    QLineEdit* CopiesE;
    QWidget* UpDown1;
    QWidget* CopiesPB;
    QCheckBox* CollateCB;
    QLabel* CollateL;
    QLabel* PrintL;
    QComboBox* PrintPagesCB;
    QPushButton* OkB;
    QPushButton* CancelB;

    // With OK, a checked FileCB asks for the output file ("Print To File"); cancelling that
    // turns the result into Cancel but keeps the printer chosen. Any other result restores the
    // printer that was current when the dialog opened.
    void done(int result) override;

    // The path with its extension (after the last dot of the file name) replaced.
    static QString ChangeFileExt(const QString& path, const QString& extension);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameFields();
    void FormShow();
    void PrintersCBClick();
    void PropButtonClick();
    void stepCopies(int delta);
    void paintCopies(QWidget& box);

    TrpPrinters& printers_;
    int rememberedIndex_ = -1;
    int upDownPosition_ = CopiesMin;
    QImage collated_;
    QImage uncollated_;
};

} // namespace preview
