// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate printed for real: through the print job to the cups-pdf queue, and into a file.
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "preview/PrintJob.h"
#include "preview/Printers.h"
#include "preview/ReportPages.h"
#include "support/PrintQueue.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace printqueue;

namespace {

class CertificatePrinting : public ::testing::Test {
protected:
    app::Forms forms = app::CreateForms();
    app::TForm1& w = *forms.form1;
    std::unique_ptr<preview::TrpPrinters> printers;
    std::string title = uniqueTitle("Certificate");

    void SetUp() override {
        if (!available())
            GTEST_SKIP() << printqueue::unavailableReason();
        printers = preview::TrpPrinters::FromSpooler();
        w.Edit3->setText(QString::fromUtf8("Kovács Ödön"));
        w.Edit1->setText(QString::fromUtf8("Tölgyesvárhelyi Vízmű Kft."));
        w.OpenPreview = [](report::TrpReport&) {};
        w.Nyomtats1Click();
        auto& options = w.rpReport1.PrintOptions;
        options.ShowDialog = false;
        options.Printer = queueName;
        w.rpReport1.ReportOptions.Name = title;
    }
    void TearDown() override {
        for (const QString& file : outputsOf(title))
            QFile::remove(file);
    }
};

} // namespace

TEST_F(CertificatePrinting, ReachesTheQueueAsOneA4Page) {
    preview::ReportPages pages(w.rpReport1);
    preview::RunPrintJob(pages, *printers);
    waitForQueue();
    const QStringList outputs = outputsOf(title);
    ASSERT_EQ(outputs.size(), 1);
    const auto sizes = pdfPageSizes(outputs.front());
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_TRUE(isA4(sizes.front()));
}

TEST_F(CertificatePrinting, PrintedToAFileCarriesTheFormAndTheTypedValues) {
    QTemporaryDir folder;
    const QString file = folder.filePath("igazolas.prn");
    printers->SetPrinterIndex(printers->IndexOf(queueName));
    printers->Printer()->OutputFile = file;
    preview::ReportPages pages(w.rpReport1);
    preview::RunPrintJob(pages, *printers);
    printers->Printer()->OutputFile.clear();
    if (const QByteArray keep = qgetenv("KF_KEEP_PRINT"); !keep.isEmpty())
        QFile::copy(file, QString::fromLocal8Bit(keep));
    const QString text = runTool("pdftotext", {"-layout", file, "-"}).output;
    for (const char* expected :
         {"MUNKÁLTATÓI IGAZOLÁS", "Kovács Ödön", "Tölgyesvárhelyi Vízmű Kft.",
          "Iktatószám:", "Tölgyesvárhely Város Önkormányzata nyomtatványa", "Oldal: 1/1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    EXPECT_EQ(pdfPageSizes(file).size(), 1u);
}
