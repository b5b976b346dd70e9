// SPDX-License-Identifier: GPL-3.0-or-later
// A certificate for every row of a payroll table, from the command line and in the preview.
#include "app/BatchCommand.h"
#include "ProgramRun.h"
#include "app/BatchFileName.h"
#include "app/CertificateIdentifier.h"
#include "app/CommandLine.h"
#include "platform/Cp1250.h"
#include "preview/PageSearch.h"
#include "preview/Preview.h"
#include "preview/PreviewForm.h"
#include "preview/PreviewWorkspace.h"
#include "preview/SearchDialog.h"
#include "support/ModalAnswerer.h"
#include "support/PrintQueue.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

QString u8(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The three employees of the tables below, as the certificate prints them.
struct Employee {
    const char* name;
    const char* income;
};
const Employee employees[] = {
    {"Őri Tünde", "123 456"}, {"Kovács Ödön", "98 765"}, {"Szűcs Éva", "1 234 567"}};

class BatchCommand : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString pdf = folder.filePath("igazolasok.pdf");

    QString table(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // What is in the folder besides the tables given.
    QStringList outputs() {
        QStringList files =
            QDir(folder.path())
                .entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
        files.removeIf([](const QString& f) { return f.endsWith(".csv"); });
        return files;
    }
};

TEST_F(BatchCommand, Cp1250WithSemicolonsAndUtf8WithCommasGiveTheSameThreePages) {
    // As a Hungarian spreadsheet saves it: Windows-1250, ";", CR LF, Hungarian headers.
    QStringEncoder cp1250("windows-1250");
    const QString spreadsheet =
        table("cp1250.csv",
              cp1250(u8("munkavállaló neve;leánykori név;beosztás;nettó jövedelem átlaga\r\n"
                        "Őri Tünde;;könyvelő;123456\r\n"
                        "Kovács Ödön;;\"raktáros; targoncás\";98765\r\n"
                        "Szűcs Éva;Nagy Éva;igazgató;1234567\r\n")));
    const QString utf8 =
        table("utf8.csv", "\xEF\xBB\xBF"
                          "EDIT3,edit6,Edit4,NumEdit1\n"
                          "\xC5\x90ri T\xC3\xBCnde,,k\xC3\xB6nyvel\xC5\x91,123456\n"
                          "Kov\xC3\xA1"
                          "cs \xC3\x96"
                          "d\xC3\xB6n,,raktáros; targoncás,98765\n"
                          "Sz\xC5\xB1"
                          "cs \xC3\x89va,Nagy \xC3\x89va,igazgat\xC3\xB3,1234567\n");
    const QString other = folder.filePath("masik.pdf");
    const ProgramRun first = kf2718({"--batch", spreadsheet, "--field", "Edit1=Minta Kft.",
                                     "--field", "NumEdit2=12000", "--pdf", pdf});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.isEmpty()) << first.err.toStdString(); // no terminal: no progress
    const ProgramRun second = kf2718({"--batch", utf8, "--field", "Edit1=Minta Kft.", "--field",
                                      "NumEdit2=12000", "--pdf", other});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();

    const auto sizes = printqueue::pdfPageSizes(pdf);
    ASSERT_EQ(sizes.size(), 3u);
    for (const QSizeF& size : sizes)
        EXPECT_TRUE(printqueue::isA4(size));
    for (int page = 1; page <= 3; ++page) {
        const QString text = pdfText(pdf, page, page);
        EXPECT_EQ(text, pdfText(other, page, page));
        const Employee& e = employees[page - 1];
        const std::string id =
            app::CertificateIdentifier(platform::fromUtf8(e.name), platform::readCpuIdLeaf1());
        for (const QString& expected : {u8(e.name), u8(e.income) + " Ft.", u8("Minta Kft."),
                                        u8("12 000 Ft."), "(" + QString::fromStdString(id) + ")"})
            EXPECT_TRUE(text.contains(expected))
                << "page " << page << ": " << expected.toStdString() << "\n"
                << text.toStdString();
        for (const Employee& other : employees) {
            if (&other != &e) {
                EXPECT_FALSE(text.contains(u8(other.name))) << page;
            }
        }
    }
    EXPECT_TRUE(pdfText(pdf, 2, 2).contains(u8("raktáros; targoncás beosztásban")));
    EXPECT_TRUE(pdfText(pdf, 3, 3).contains(u8("leánykori neve: Nagy Éva")));
}

// An amount in a cell is entered as --field enters it: blanks only group the digits, an empty
// cell reads as 0, as the numeric edit never holds an empty text.
TEST_F(BatchCommand, AmountsInCellsAreEnteredAsFieldOptionsEnterThem) {
    const QString amounts =
        table("amounts.csv",
              QByteArray("Edit3;NumEdit1;NumEdit2\nKiss Anna;150 000;\nNagy Béla;1234;7 500\n"));
    const ProgramRun batch = kf2718({"--batch", amounts, "--pdf", pdf});
    ASSERT_EQ(batch.exitCode, 0) << batch.err.toStdString();
    const QString single = folder.filePath("egy.pdf");
    const ProgramRun one = kf2718({"--field", "Edit3=Kiss Anna", "--field", "NumEdit1=150 000",
                                   "--field", "NumEdit2=", "--pdf", single});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    const QString first = pdfText(pdf, 1, 1);
    EXPECT_TRUE(first.contains(u8("150 000 Ft."))) << first.toStdString();
    EXPECT_TRUE(first.contains(u8("A családi pótlék összege: 0 Ft."))) << first.toStdString();
    EXPECT_EQ(first, pdfText(single, 1, 1));
    const QString second = pdfText(pdf, 2, 2);
    EXPECT_TRUE(second.contains(u8("1 234 Ft."))) << second.toStdString();
    EXPECT_TRUE(second.contains(u8("7 500 Ft."))) << second.toStdString();
}

TEST_F(BatchCommand, PdfDirWritesOneSafelyNamedFilePerRow) {
    const QString list = table("nevek.csv", u8("Edit3;NumEdit2\n"
                                               "Kiss/Nagy Anna;5000\n"
                                               "Őri Tünde;\n"
                                               ";\"1\"\n")
                                                .toUtf8());
    const QString out = folder.filePath("igazolasok");
    const ProgramRun run = kf2718({"--batch", list, "--pdf-dir", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"2_Kiss_Nagy_Anna.pdf", "3_Ori_Tunde.pdf", "4.pdf"}));
    EXPECT_TRUE(pdfText(QDir(out).filePath("2_Kiss_Nagy_Anna.pdf")).contains("Kiss/Nagy Anna"));
    EXPECT_TRUE(pdfText(QDir(out).filePath("3_Ori_Tunde.pdf")).contains(u8("Őri Tünde")));
    // A row without a name has no identifier, not the one of the row before it.
    EXPECT_TRUE(pdfText(QDir(out).filePath("4.pdf")).contains("()"));
    for (const QString& file : QDir(out).entryList(QDir::Files))
        EXPECT_EQ(printqueue::pdfPageSizes(QDir(out).filePath(file)).size(), 1u)
            << file.toStdString();
}

TEST(BatchFileName, SortsInRowOrderAndKeepsOnlySafeCharacters) {
    EXPECT_EQ(app::BatchFileName(7, 120, u8("Árvíztűrő Tükörfúrógép")),
              "007_Arvizturo_Tukorfurogep.pdf");
    EXPECT_EQ(app::BatchFileName(12, 12, u8(" ../Kiss  Anna/ ")), "12_.._Kiss_Anna.pdf");
    EXPECT_EQ(app::BatchFileName(3, 9, u8("??")), "3.pdf");
    EXPECT_EQ(app::BatchFileName(2, 2, QString(200, u'x')), "2_" + QString(80, u'x') + ".pdf");
}

TEST_F(BatchCommand, EveryBadRowIsReportedAndNothingIsWritten) {
    const QString bad = table("hibas.csv", u8("munkavállaló neve;nettó jövedelem átlaga\n"
                                              "Jó Sor;100\n"
                                              "Kevés Cella\n"
                                              "Li 漢;100\n"
                                              "Rossz Összeg;12a\n"
                                              "Túl;sok;cella\n")
                                               .toUtf8());
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("régi");
    old.close();
    const ProgramRun run = kf2718({"--batch", bad, "--pdf", pdf});
    EXPECT_EQ(run.exitCode, 1);
    for (const char* expected : {"3. sor: 1 cella", "4. sor, A oszlop (munkavállaló neve)",
                                 "5. sor, B oszlop (nettó jövedelem átlaga)", "6. sor: 3 cella"})
        EXPECT_TRUE(run.err.contains(u8(expected))) << expected << "\n" << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(u8("2. sor")));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "régi"); // the old file as it was, no temporary file beside it
    EXPECT_EQ(outputs(), QStringList{"igazolasok.pdf"});

    const QString dir = folder.filePath("mappa");
    EXPECT_EQ(kf2718({"--batch", bad, "--pdf-dir", dir}).exitCode, 1);
    EXPECT_FALSE(QDir(dir).exists());

    // Empty columns after the used ones, as spreadsheets save them, are no problem while empty.
    const QString trailing = table("ures-oszlop.csv", "Edit3;;\nA;;\nB;;x\n");
    const ProgramRun unnamed = kf2718({"--batch", trailing, "--pdf", folder.filePath("t.pdf")});
    EXPECT_EQ(unnamed.exitCode, 1);
    EXPECT_TRUE(unnamed.err.contains(u8("3. sor, C oszlop: az oszlopnak nincs fejléce")))
        << unnamed.err.toStdString();
    EXPECT_FALSE(unnamed.err.contains(u8("2. sor")));
    EXPECT_FALSE(unnamed.err.contains(u8("1. sor")));

    const QString unknown = table("ismeretlen.csv", "Edit3,Edit9,edit3\nA,B,C\n");
    const ProgramRun header = kf2718({"--batch", unknown, "--pdf", folder.filePath("u.pdf")});
    EXPECT_EQ(header.exitCode, 1);
    EXPECT_TRUE(header.err.contains("1. sor, B oszlop (Edit9)")) << header.err.toStdString();
    EXPECT_TRUE(header.err.contains("1. sor, C oszlop (edit3)")) << header.err.toStdString();
    EXPECT_EQ(outputs(), QStringList{"igazolasok.pdf"});
}

// A text too long for its box would be cut off on the paper: its row is bad, the others are not.
TEST_F(BatchCommand, ATextThatDoesNotFitItsBoxMakesItsRowBad) {
    const QString names = table("hosszu.csv", ("munkavállaló neve;munkáltató neve\n"
                                               "Rövid Név;Minta Kft.\n"
                                               "Hosszú Név;" +
                                               QString(40, u'x').repeated(12) + "\n")
                                                  .toUtf8());
    const ProgramRun run = kf2718({"--batch", names, "--pdf", pdf});
    EXPECT_EQ(run.exitCode, 1);
    // The employer's name pushes the body's last lines out of the box that prints both names.
    EXPECT_TRUE(run.err.contains(QRegularExpression(
        u8("3. sor: [^\n]*munkáltató neve[^\n]*: nem fér el a helyén, lemarad: [^\n]*családi "
           "pótlék"))))
        << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(u8("2. sor")));
    EXPECT_TRUE(outputs().isEmpty());
    // Allowed, the row's certificate is written with what fits.
    EXPECT_EQ(kf2718({"--batch", names, "--pdf", pdf, "--allow-overflow"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(BatchCommand, WrongCombinationsAreArgumentErrors) {
    const QString list = table("lista.csv", "Edit3\nA\n");
    EXPECT_EQ(kf2718({"--pdf-dir", folder.path()}).exitCode, 2);
    EXPECT_EQ(kf2718({"--batch", list, "--pdf", pdf, "--print"}).exitCode, 2);
    EXPECT_EQ(kf2718({"--batch", list, "--save"}).exitCode, 2);
    EXPECT_EQ(kf2718({"--batch", folder.filePath("nincs.csv"), "--pdf", pdf}).exitCode, 1);
    EXPECT_EQ(kf2718({"--batch", list, "--field", "Label1=x", "--pdf", pdf}).exitCode, 1);
    EXPECT_TRUE(outputs().isEmpty());
}

TEST_F(BatchCommand, AnInterruptedBatchLeavesNoFileBehind) {
    QByteArray rows = "Edit3;NumEdit1\n";
    for (int i = 0; i < 5000; ++i)
        rows += "Dolgozó " + QByteArray::number(i) + ";" + QByteArray::number(1000 + i) + "\n";
    const QString list = table("sok.csv", rows);
    // The document grows in a file without a name in the output's folder: the process holds it
    // open there (Linux shows it as "<folder>/#<inode> (deleted)").
    const auto writingThere = [&](const QProcess& process) {
        const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
        for (const QString& fd : QDir(fds).entryList(QDir::AllEntries | QDir::System)) {
            char target[4096];
            const ssize_t n =
                ::readlink(QFile::encodeName(fds + "/" + fd).constData(), target, sizeof target);
            if (n > 0 && QString::fromLocal8Bit(target, n).startsWith(folder.path() + "/#"))
                return true;
        }
        return false;
    };
    for (const bool kill : {false, true}) {
        QProcess process;
        process.start(QStringLiteral(KF2718_PROGRAM), {"--batch", list, "--pdf", pdf});
        ASSERT_TRUE(QTest::qWaitFor([&] { return writingThere(process); }, 30000));
        if (kill)
            process.kill();
        else
            process.terminate();
        ASSERT_TRUE(process.waitForFinished(30000));
        if (!kill) {
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process.exitCode(), 1);
            EXPECT_TRUE(
                QString::fromLocal8Bit(process.readAllStandardError()).contains("interrupted"));
        }
        EXPECT_TRUE(outputs().isEmpty()) << kill << outputs().join(' ').toStdString();
    }
}

TEST_F(BatchCommand, PrintsThreeRowsAsOneJobOfThreeA4Pages) {
    if (!printqueue::available())
        GTEST_SKIP() << printqueue::unavailableReason();
    const QString list = table("nyomtat.csv", "Edit3\nElso\nMasodik\nHarmadik\n");
    const QStringList before = QDir(printqueue::outputFolder()).entryList(QDir::Files);
    const ProgramRun run = kf2718({"--batch", list, "--print", "--printer", printqueue::queue});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    printqueue::waitForQueue();
    QStringList arrived = QDir(printqueue::outputFolder()).entryList(QDir::Files);
    for (const QString& file : before)
        arrived.removeAll(file);
    ASSERT_EQ(arrived.size(), 1) << arrived.join(' ').toStdString();
    const QString file = QDir(printqueue::outputFolder()).filePath(arrived.front());
    const auto sizes = printqueue::pdfPageSizes(file);
    ASSERT_EQ(sizes.size(), 3u);
    for (const QSizeF& size : sizes)
        EXPECT_TRUE(printqueue::isA4(size));
    QFile::remove(file);
}

TEST_F(BatchCommand, ThePreviewShowsEveryRowAndFindsANameOnTheLastPage) {
    app::HeadlessRequest request;
    request.batchFile = table("elonezet.csv", u8("munkavállaló neve\nElső Ember\nMásodik Ember\n"
                                                 "Harmadik Tünde\n")
                                                  .toUtf8());
    QString status;
    int foundPage = -1;
    ModalAnswerer answers;
    answers.then([&](QWidget* w) {
        auto* form = qobject_cast<preview::TrpPreviewForm*>(w);
        ASSERT_TRUE(form);
        status = form->StatusPanel0->text();
        form->Preview->SearchPages();
        preview::TrpPageSearch& search = form->Preview->Workspace()->Search();
        if (search.Found())
            foundPage = search.PageIndex();
        QTest::keyClick(form->Preview, Qt::Key_Escape);
    });
    answers.then([](QWidget* w) {
        auto* dialog = qobject_cast<preview::TrpSearchDialog*>(w);
        ASSERT_TRUE(dialog);
        dialog->TextE->setText(QString::fromUtf8("Tünde"));
        dialog->TopCB->setChecked(true);
        dialog->OkB->click();
    });
    std::ostringstream err;
    EXPECT_EQ(app::RunBatchPreview(request, err), 0) << err.str();
    EXPECT_EQ(status, u8("1. oldal 3 oldalból"));
    EXPECT_EQ(foundPage, 2);
}

} // namespace
