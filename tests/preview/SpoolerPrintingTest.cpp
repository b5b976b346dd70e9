// SPDX-License-Identifier: GPL-3.0-or-later
// Printing for real through the spooler: the test scheduler's cups-pdf queue writes every job it
// receives as a PDF into KF_PDF_OUT (./test.sh sets it up when run as root). Without the queue the
// tests skip.
#include "TestPages.h"

#include "preview/PrintDialog.h"
#include "preview/PrintJob.h"
#include "preview/Printer.h"
#include "preview/Printers.h"

#include "platform/Canvas.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"

#include "support/ModalAnswerer.h"
#include "support/PrintQueue.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace preview;
using namespace printqueue;

namespace {

QStringList spoolLeftovers() {
    return QDir::temp().entryList({QStringLiteral("kf-print-*")}, QDir::Files);
}

class SpoolerPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        if (!available())
            GTEST_SKIP() << printqueue::unavailableReason();
        printers = TrpPrinters::FromSpooler();
        leftovers = spoolLeftovers();
    }
    void TearDown() override {
        if (!printers)
            return;
        EXPECT_EQ(spoolLeftovers(), leftovers) << "a temporary print file was left behind";
        for (const std::string& title : titles)
            for (const QString& file : outputsOf(title))
                QFile::remove(file);
    }

    // Pages that go to the PDF queue under a title of their own, without the dialog.
    std::unique_ptr<TestPages> pagesFor(int count, const char* what) {
        auto pages = std::make_unique<TestPages>(count);
        // Letter case does not matter.
        pages->Report().PrintOptions.Printer = queue.toLower().toStdString();
        pages->Report().PrintOptions.ShowDialog = false;
        pages->Report().ReportOptions.Name = uniqueTitle(what);
        titles.push_back(pages->Report().ReportOptions.Name);
        return pages;
    }
    // Stops (or, with reject, closes) the queue for the rest of the test; false when not allowed.
    bool disableQueue(bool reject) {
        const QString off = reject ? "cupsreject" : "cupsdisable";
        const QString on = reject ? "cupsaccept" : "cupsenable";
        if (runTool(off, {queue}).exitCode != 0)
            return false;
        restore = [on] { runTool(on, {queue}); };
        return true;
    }
    void enableQueue() {
        if (restore)
            std::exchange(restore, nullptr)();
    }
    ~SpoolerPrinting() override { enableQueue(); }

    std::unique_ptr<TrpPrinters> printers;
    QStringList leftovers;
    std::function<void()> restore;
    std::vector<std::string> titles; // whose outputs are removed at the end
};

} // namespace

TEST_F(SpoolerPrinting, QueueIsReadAsAPrinter) {
    const int index = printers->IndexOf(queueName);
    ASSERT_NE(index, -1);
    printers->SetPrinterIndex(index);
    TrpCustomPrinter& printer = *printers->Printer();
    ASSERT_TRUE(printer.Initialized());
    EXPECT_TRUE(printer.HasDevice());
    EXPECT_EQ(printer.ResolutionX(), 600);
    EXPECT_EQ(printer.ResolutionY(), 600);
    EXPECT_EQ(printer.DefPaper(), 9);
    EXPECT_NEAR(printer.PaperWidth(), 210, 0.1);
    EXPECT_NEAR(printer.PaperHeight(), 297, 0.1);
    EXPECT_EQ(printer.Papers().front(), (TrpPrinterListItem{platform::fromUtf8("Egyéni"), 256}));
    int custom = 0;
    bool a4 = false;
    for (const TrpPrinterListItem& paper : printer.Papers()) {
        custom += paper.code == 256;
        a4 = a4 || paper.code == 9;
    }
    EXPECT_EQ(custom, 1);
    EXPECT_TRUE(a4);
    ASSERT_NE(printer.Canvas(), nullptr);
    EXPECT_EQ(printer.Canvas()->dpiY(), 600);
    printer.SelectPaper(9, 0, 0, report::poLandscape);
    EXPECT_NEAR(printer.PaperWidth(), 297, 0.1);
    EXPECT_NEAR(printer.PaperHeight(), 210, 0.1);
}

TEST_F(SpoolerPrinting, PrintsAPageRangeWithCopies) {
    auto pages = pagesFor(5, "Range");
    pages->Report().PrintOptions.ShowDialog = true;
    ModalAnswerer answerer;
    answerer.then([](QWidget* w) {
        auto* dialog = qobject_cast<TrpPrintDialog*>(w);
        if (!dialog)
            return ModalAnswerer::reject()(w);
        EXPECT_EQ(dialog->TypeL1->text(), queue);
        dialog->PageNumbersRB->setChecked(true);
        dialog->PageNumbersE->setText("2-4");
        dialog->CopiesE->setText("2");
        dialog->OkB->click();
    });
    RunPrintJob(*pages, *printers);
    EXPECT_EQ(pages->painted, (std::vector<int>{1, 2, 3, 1, 2, 3}));
    waitForQueue();
    const QStringList files = outputsOf(pages->Report().ReportOptions.Name);
    ASSERT_EQ(files.size(), 1);
    const std::vector<QSizeF> sizes = pdfPageSizes(files.front());
    EXPECT_EQ(sizes.size(), 6u);
    for (const QSizeF& size : sizes)
        EXPECT_TRUE(isA4(size)) << size.width() << " x " << size.height();
}

TEST_F(SpoolerPrinting, PrintsToAFileInsteadOfThePrinter) {
    auto pages = pagesFor(3, "File");
    pages->page(1).SetOrientation(report::poLandscape);
    pages->Report().PrintOptions.ShowDialog = true;
    QTemporaryDir folder;
    ModalAnswerer answerer;
    answerer
        .then([](QWidget* w) {
            auto* dialog = qobject_cast<TrpPrintDialog*>(w);
            if (!dialog)
                return ModalAnswerer::reject()(w);
            dialog->FileCB->setChecked(true);
            dialog->OkB->click();
        })
        .then([&folder](QWidget* w) {
            auto* files = qobject_cast<QFileDialog*>(w);
            auto* name = w->findChild<QLineEdit*>("fileNameEdit");
            if (!files || !name)
                return ModalAnswerer::reject()(w);
            files->setDirectory(folder.path());
            name->setText("igazolas.pdf");
            static_cast<QDialog*>(files)->accept();
        });
    RunPrintJob(*pages, *printers);
    const QString written = folder.filePath("igazolas.prn");
    ASSERT_TRUE(QFileInfo::exists(written));
    const std::vector<QSizeF> sizes = pdfPageSizes(written);
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_TRUE(isA4(sizes[0]));
    EXPECT_TRUE(isA4(sizes[1], true));
    EXPECT_TRUE(isA4(sizes[2]));
    const QString text = runTool("pdftotext", {written, "-"}).output;
    for (const char* expected : {"Próbaoldal 1", "Próbaoldal 2", "Próbaoldal 3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << text.toStdString();
    waitForQueue();
    EXPECT_TRUE(outputsOf(pages->Report().ReportOptions.Name).isEmpty());
}

TEST_F(SpoolerPrinting, AbortedJobReachesNoPaper) {
    auto pages = pagesFor(3, "Abort");
    pages->stopAfterPages = 1;
    RunPrintJob(*pages, *printers);
    EXPECT_EQ(pages->painted, (std::vector<int>{0}));
    EXPECT_FALSE(printers->Printer()->Printing());
    waitForQueue();
    EXPECT_TRUE(outputsOf(pages->Report().ReportOptions.Name).isEmpty());
}

TEST_F(SpoolerPrinting, StoppedQueueIsReportedAndPrintingGoesOnAfterwards) {
    auto pages = pagesFor(2, "Stopped");
    if (!disableQueue(false))
        GTEST_SKIP() << "the queue cannot be stopped here";
    std::string failure;
    try {
        RunPrintJob(*pages, *printers);
    } catch (const platform::Error& e) {
        failure = e.what();
    }
    EXPECT_TRUE(failure.starts_with(
        platform::fromUtf8("A(z) \"" + queueName + "\" nyomtató le van állítva")))
        << failure;
    EXPECT_TRUE(pages->painted.empty());
    EXPECT_FALSE(printers->Printer()->Printing());

    enableQueue();
    RunPrintJob(*pages, *printers);
    waitForQueue();
    const QStringList files = outputsOf(pages->Report().ReportOptions.Name);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(pdfPageSizes(files.front()).size(), 2u);
}

TEST_F(SpoolerPrinting, QueueRefusingJobsIsReported) {
    auto pages = pagesFor(1, "Refused");
    if (!disableQueue(true))
        GTEST_SKIP() << "the queue cannot be closed here";
    try {
        RunPrintJob(*pages, *printers);
        ADD_FAILURE() << "a refused job was reported as printed";
    } catch (const platform::Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind(
                      platform::fromUtf8("A(z) \"" + queueName +
                                         "\" nyomtató nem fogad nyomtatási feladatot"),
                      0),
                  0u)
            << e.what();
    }
    EXPECT_FALSE(printers->Printer()->Printing());
}

TEST_F(SpoolerPrinting, PrinterPropertiesOpenOnThePrintersSettings) {
    printers->SetPrinterIndex(printers->IndexOf(queueName));
    ModalAnswerer answerer;
    answerer.then(ModalAnswerer::reject());
    printers->Printer()->ShowPrinterProperties();
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(printers->Printer()->ResolutionY(), 600);
    EXPECT_NEAR(printers->Printer()->PaperWidth(), 210, 0.1);
}

TEST_F(SpoolerPrinting, OutputFileThatCannotBeWrittenIsReported) {
    auto pages = pagesFor(2, "BadFile");
    printers->SetPrinterIndex(printers->IndexOf(queueName));
    printers->Printer()->OutputFile = "/kf-no-such-folder/igazolas.prn";
    try {
        RunPrintJob(*pages, *printers);
        ADD_FAILURE() << "an unwritable file was reported as printed";
    } catch (const platform::Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"/kf-no-such-folder/igazolas.prn\"");
    }
    EXPECT_FALSE(printers->Printer()->Printing());
    printers->Printer()->OutputFile.clear();
    RunPrintJob(*pages, *printers);
    waitForQueue();
    EXPECT_EQ(outputsOf(pages->Report().ReportOptions.Name).size(), 1);
}
