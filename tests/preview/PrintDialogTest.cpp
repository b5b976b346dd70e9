// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingPrinter.h"

#include "preview/PrintDialog.h"
#include "preview/PrintDialogPictures.h"
#include "preview/Printers.h"

#include "platform/Cp1250.h"

#include "support/AccessibleWalk.h"
#include "support/ModalAnswerer.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace preview;

namespace {

class PrintDialog : public ::testing::Test {
protected:
    PrintDialog() {
        std::vector<std::unique_ptr<TrpCustomPrinter>> list;
        list.push_back(std::make_unique<RecordingPrinter>("Office", "Szoba 12"));
        list.push_back(std::make_unique<RecordingPrinter>("Laser", platform::fromUtf8("Folyosó")));
        printers = std::make_unique<TrpPrinters>(std::move(list), "Office");
        dialog = std::make_unique<TrpPrintDialog>(*printers);
    }

    RecordingPrinter& printer(int index) {
        return static_cast<RecordingPrinter&>(printers->At(index));
    }
    void show() {
        dialog->show();
        QApplication::processEvents();
    }

    std::unique_ptr<TrpPrinters> printers;
    std::unique_ptr<TrpPrintDialog> dialog;
};

// Picks a file in the "Print To File" dialog.
ModalAnswerer::Answer pickFile(const QString& path) {
    return [path](QWidget* w) {
        auto* files = qobject_cast<QFileDialog*>(w);
        if (!files) {
            ADD_FAILURE() << "not the file dialog";
            return ModalAnswerer::reject()(w);
        }
        EXPECT_EQ(files->windowTitle(), "Print To File");
        EXPECT_EQ(files->nameFilters(), QStringList{"Printer files (*.prn)"});
        // The name field has the focus, so selectFile would leave it alone: type into it.
        files->setDirectory(QFileInfo(path).path());
        if (auto* name = files->findChild<QLineEdit*>("fileNameEdit")) {
            name->setText(QFileInfo(path).fileName());
            static_cast<QDialog*>(files)->accept();
        } else {
            ADD_FAILURE() << "the file dialog has no name field";
            files->reject();
        }
    };
}

} // namespace

TEST_F(PrintDialog, ShowsTheLayoutInHungarian) {
    show();
    EXPECT_EQ(dialog->windowTitle(), "Nyomtat");
    EXPECT_EQ(dialog->size(), QSize(477, 263));
    EXPECT_EQ(dialog->Label12->title(), QString::fromUtf8("Nyomtató  "));
    EXPECT_EQ(dialog->Label1->title(), "Oldalak ");
    EXPECT_EQ(dialog->Label2->title(), QString::fromUtf8("Másolatok"));
    EXPECT_EQ(dialog->PropButton->text(), QString::fromUtf8("Tulajdonságok..."));
    EXPECT_EQ(dialog->FileCB->text(), QString::fromUtf8("Fájlba nyomtat"));
    EXPECT_EQ(dialog->ReverseCB->text(), QString::fromUtf8("Fordított sorrendben"));
    EXPECT_EQ(dialog->CurPageRB->text(), "Jelenlegi oldal");
    EXPECT_EQ(dialog->DescrL->text(),
              QString::fromUtf8("Adjon meg oldalszámokat vagy tartományokat, vesszővel "
                                "elválasztva. Például 1,3,5-12"));
    EXPECT_EQ(dialog->CollateL->text(), QString::fromUtf8("Gyűjt"));
    EXPECT_EQ(dialog->CancelB->text(), QString::fromUtf8("Mégsem"));
    EXPECT_TRUE(dialog->OkB->isDefault());
    ASSERT_EQ(dialog->PrintPagesCB->count(), 3);
    EXPECT_EQ(dialog->PrintPagesCB->itemText(0), "Minden oldal");
    EXPECT_EQ(dialog->PrintPagesCB->itemText(1), QString::fromUtf8("Páratlan oldalak"));
    EXPECT_EQ(dialog->PrintPagesCB->itemText(2), QString::fromUtf8("Páros oldalak"));
    EXPECT_EQ(dialog->PrintPagesCB->x(), dialog->PrintL->x() + dialog->PrintL->width() + 11);
    EXPECT_TRUE(dialog->AllRB->isChecked());
    EXPECT_TRUE(dialog->CollateCB->isChecked());
    EXPECT_FALSE(dialog->FileCB->isChecked());
    EXPECT_EQ(dialog->CopiesE->text(), "1");
}

TEST_F(PrintDialog, EveryFieldIsNamedByItsLabel) {
    show();
    const std::vector<AccessibleField> fields = focusableFields(dialog.get());
    EXPECT_EQ(unnamedOrRepeated(fields), "");
    EXPECT_EQ(fields.size(), 13u); // the printer, its properties, two boxes, three kinds of
                                   // pages and their numbers, copies, collate, parity, OK, Cancel
    EXPECT_EQ(accessibleName(dialog->CopiesE), QString::fromUtf8("Másolatok száma"));
    EXPECT_EQ(accessibleName(dialog->CollateCB), QString::fromUtf8("Gyűjt"));
    EXPECT_EQ(accessibleName(dialog->PageNumbersE), QString::fromUtf8("Oldalszámok"));
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(dialog->PageNumbersE)->text(QAccessible::Description),
        dialog->DescrL->text());
    // Combo boxes are announced by their choice; their labels come with them as relations.
    const auto labelOf = [](QWidget* field) {
        const auto relations =
            QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label);
        return relations.isEmpty() ? QString() : relations.front().first->text(QAccessible::Name);
    };
    EXPECT_EQ(labelOf(dialog->PrintPagesCB), "Nyomtat");
    EXPECT_EQ(labelOf(dialog->CopiesE), QString::fromUtf8("Másolatok száma"));
    EXPECT_EQ(labelOf(dialog->PrintersCB), QString::fromUtf8("Nyomtató  ")); // its group
    EXPECT_EQ(dialog->PrintersCB->accessibleName(), QString::fromUtf8("Nyomtató"));
}

TEST_F(PrintDialog, ListsThePrintersAndShowsTheCurrentOne) {
    show();
    ASSERT_EQ(dialog->PrintersCB->count(), 2);
    EXPECT_EQ(dialog->PrintersCB->itemText(1), "Laser");
    EXPECT_EQ(dialog->PrintersCB->currentIndex(), 0);
    EXPECT_EQ(dialog->TypeL1->text(), "Office");
    EXPECT_EQ(dialog->WhereL1->text(), "Szoba 12");
    dialog->PrintersCB->setCurrentIndex(1);
    EXPECT_EQ(printers->PrinterIndex(), 1);
    EXPECT_EQ(dialog->TypeL1->text(), "Laser");
    EXPECT_EQ(dialog->WhereL1->text(), QString::fromUtf8("Folyosó"));
    dialog->PropButton->click();
    EXPECT_EQ(printer(1).propertiesShown, 1);
    EXPECT_EQ(printer(0).propertiesShown, 0);
}

TEST_F(PrintDialog, ParityAlwaysOpensOnAllPages) {
    dialog->PrintPagesCB->setCurrentIndex(2);
    show();
    EXPECT_EQ(dialog->PrintPagesCB->currentIndex(), 0);
}

TEST_F(PrintDialog, CancelRestoresThePreviousPrinterOkKeepsTheChoice) {
    show();
    dialog->PrintersCB->setCurrentIndex(1);
    dialog->CancelB->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(printers->PrinterIndex(), 0);

    show();
    dialog->PrintersCB->setCurrentIndex(1);
    dialog->OkB->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(printers->PrinterIndex(), 1);
    EXPECT_TRUE(printer(1).OutputFile.isEmpty());

    // The next opening remembers the printer chosen last.
    show();
    EXPECT_EQ(dialog->PrintersCB->currentIndex(), 1);
    dialog->reject();
    EXPECT_EQ(printers->PrinterIndex(), 1);
}

TEST_F(PrintDialog, PrintToFileAsksForAFileAndReplacesItsExtension) {
    QTemporaryDir folder;
    ModalAnswerer answerer;
    answerer.then(pickFile(folder.filePath("igazolas.txt")));
    show();
    printer(0).OutputFile = "/tmp/stale.prn";
    dialog->FileCB->setChecked(true);
    dialog->OkB->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(printer(0).OutputFile, folder.filePath("igazolas.prn"));
    EXPECT_EQ(answerer.seen().size(), 1u);
}

TEST_F(PrintDialog, CancellingTheFileCancelsPrintingButKeepsThePrinter) {
    ModalAnswerer answerer;
    answerer.then(ModalAnswerer::reject());
    show();
    dialog->PrintersCB->setCurrentIndex(1);
    printer(1).OutputFile = "/tmp/stale.prn";
    dialog->FileCB->setChecked(true);
    dialog->OkB->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(printers->PrinterIndex(), 1);
    EXPECT_TRUE(printer(1).OutputFile.isEmpty());
}

TEST_F(PrintDialog, ChangeFileExtReplacesOnlyTheFileNamesExtension) {
    EXPECT_EQ(TrpPrintDialog::ChangeFileExt("/a/b.txt", ".prn"), "/a/b.prn");
    EXPECT_EQ(TrpPrintDialog::ChangeFileExt("/a/b.tar.gz", ".prn"), "/a/b.tar.prn");
    EXPECT_EQ(TrpPrintDialog::ChangeFileExt("/a.d/b", ".prn"), "/a.d/b.prn");
    EXPECT_EQ(TrpPrintDialog::ChangeFileExt("b", ".prn"), "b.prn");
}

TEST_F(PrintDialog, PageNumberControlsWorkTogether) {
    show();
    dialog->activateWindow();
    dialog->PageNumbersRB->click();
    EXPECT_TRUE(dialog->PageNumbersE->hasFocus());
    dialog->AllRB->click();
    dialog->CopiesE->setFocus();
    dialog->PageNumbersE->setFocus();
    EXPECT_TRUE(dialog->PageNumbersRB->isChecked());
}

TEST_F(PrintDialog, CollateLabelTogglesAndThePictureFollows) {
    show();
    const QImage collated = dialog->CopiesPB->grab().toImage();
    QTest::mouseClick(dialog->CollateL, Qt::LeftButton);
    EXPECT_FALSE(dialog->CollateCB->isChecked());
    const QImage uncollated = dialog->CopiesPB->grab().toImage();
    EXPECT_NE(collated, uncollated);
    QTest::mouseDClick(dialog->CollateL, Qt::LeftButton);
    EXPECT_TRUE(dialog->CollateCB->isChecked());
    EXPECT_EQ(dialog->CopiesPB->grab().toImage(), collated);
}

TEST_F(PrintDialog, SpinnerStepsTheCopiesWithinItsLimits) {
    show();
    auto* up = dialog->UpDown1->findChild<QToolButton*>("Up");
    auto* down = dialog->UpDown1->findChild<QToolButton*>("Down");
    ASSERT_TRUE(up && down);
    up->click();
    up->click();
    EXPECT_EQ(dialog->CopiesE->text(), "3");
    dialog->CopiesE->setText("1");
    down->click();
    EXPECT_EQ(dialog->CopiesE->text(), "1");
    dialog->CopiesE->setText("250"); // the edit takes more than the spinner
    up->click();
    EXPECT_EQ(dialog->CopiesE->text(), "100");
    dialog->CopiesE->setText("sok");
    down->click();
    EXPECT_EQ(dialog->CopiesE->text(), "99");
    QTest::keyClick(dialog->CopiesE, Qt::Key_Up);
    EXPECT_EQ(dialog->CopiesE->text(), "100");
}

TEST(PrintDialogPictures, AreDrawnTransparentlyAtTheirSizes) {
    const QImage pictures[] = {printerIconBitmap(), collatedCopiesBitmap(),
                               uncollatedCopiesBitmap()};
    EXPECT_EQ(pictures[0].size(), QSize(18, 16));
    EXPECT_EQ(pictures[1].size(), QSize(74, 53));
    EXPECT_EQ(pictures[2].size(), QSize(92, 40));
    for (const QImage& bitmap : pictures) {
        const QImage picture = transparentFromLowerLeft(bitmap);
        const QRgb key = bitmap.pixel(0, bitmap.height() - 1);
        int transparent = 0;
        int opaque = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                const bool isKey = bitmap.pixel(x, y) == key;
                EXPECT_EQ(qAlpha(picture.pixel(x, y)), isKey ? 0 : 255);
                (isKey ? transparent : opaque)++;
            }
        EXPECT_GT(transparent, 0);
        EXPECT_GT(opaque, 0);
    }
}
