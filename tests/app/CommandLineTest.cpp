// The program without its window, run as a whole process the way an office script runs it.
#include "app/CommandLine.h"
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "support/ModalAnswerer.h"
#include "support/PrintQueue.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

ProgramRun kf2718(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(KF2718_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString pdfText(const QString& file) {
    return printqueue::runTool("pdftotext", {"-layout", file, "-"}).output;
}

class CommandLine : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString pdf = folder.filePath("igazolas.pdf");
};

} // namespace

TEST_F(CommandLine, HelpExplainsTheOptionsInEnglishAndHungarian) {
    const ProgramRun run = kf2718({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* part :
         {"--pdf", "--print", "--load", "--field", "standard input", "szabványos", "NumEdit1"})
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(part))) << part;
}

TEST_F(CommandLine, TheBenchmarksOptionShowsTheWindowAndEndsOnceItIsPainted) {
    // Not among the headless options, and not in --help.
    const ProgramRun run = kf2718({"--quit-when-shown"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(kf2718({"--help"}).out.contains("quit"));
}

TEST_F(CommandLine, ExportsTheFilledCertificateAsAPdfWithSelectableText) {
    const ProgramRun run = kf2718({"--field", "Edit3=Kovács Ödön", "--field", "edit1=Minta Kft.",
                                   "--field", "NumEdit1=123 456", "--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QString text = pdfText(pdf);
    for (const char* expected :
         {"MUNKÁLTATÓI IGAZOLÁS", "Nyomtatvány száma:", "Kovács Ödön", "Minta Kft.", "123 456 Ft.",
          "Tölgyesvárhely Város Önkormányzata nyomtatványa", "aláírás", "Oldal: 1/1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    const auto sizes = printqueue::pdfPageSizes(pdf);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_TRUE(printqueue::isA4(sizes.front()));
}

TEST_F(CommandLine, ASaveFileExportsTheSameTextWithTheRightPassphraseOnly) {
    {
        app::Forms forms = app::CreateForms();
        forms.form1->SetSaveFolder(folder.path());
        forms.form1->Edit3->setText(QString::fromUtf8("Szabó Éva"));
        forms.form1->Edit4->setText(QString::fromUtf8("könyvelő"));
        ModalAnswerer dialogs;
        dialogs.then(ModalAnswerer::typeAndAccept(QString::fromUtf8("Titok ő")));
        forms.form1->Kitltsmentse1->trigger();
    }
    const QString save = folder.filePath("KF2718.txt");
    ASSERT_TRUE(QFile::exists(save));

    const ProgramRun loaded =
        kf2718({"--load", save, "--pdf", pdf}, QString::fromUtf8("Titok ő\n").toUtf8());
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QString::fromUtf8("Szabó Éva")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("könyvelő beosztásban")));

    // A field given after --load wins.
    ASSERT_EQ(kf2718({"--load", save, "--field", "Edit4=igazgató", "--pdf", pdf},
                     QString::fromUtf8("Titok ő\n").toUtf8())
                  .exitCode,
              0);
    EXPECT_TRUE(pdfText(pdf).contains(QString::fromUtf8("igazgató beosztásban")));

    QFile::remove(pdf);
    const ProgramRun wrong = kf2718({"--load", save, "--pdf", pdf}, "titok\n");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.err.contains(QString::fromUtf8("Hibás jelszó!"))) << wrong.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    const ProgramRun missing =
        kf2718({"--load", folder.filePath("nincs.txt"), "--pdf", pdf}, "x\n");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("Nincs mentés!")));
}

TEST_F(CommandLine, WrongArgumentsAndFieldsAreReportedWithoutOutput) {
    EXPECT_EQ(kf2718({"--bogus"}).exitCode, 2);
    EXPECT_EQ(kf2718({"--field", "Edit3=x"}).exitCode, 2); // nothing to do
    EXPECT_EQ(kf2718({"--pdf", pdf, "--field", "Edit3"}).exitCode, 2);
    EXPECT_EQ(kf2718({"--pdf", pdf, "--printer", "PDF"}).exitCode, 2);
    const ProgramRun unknown = kf2718({"--pdf", pdf, "--field", "Label3=x"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("Label3"));
    const ProgramRun foreign = kf2718({"--pdf", pdf, "--field", QString::fromUtf8("Edit3=漢字")});
    EXPECT_EQ(foreign.exitCode, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    const ProgramRun unwritable = kf2718({"--pdf", folder.filePath("nincs/igazolas.pdf")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("Cannot create file"));
}

TEST_F(CommandLine, PrintsOneA4PageOnTheQueue) {
    if (!printqueue::available())
        GTEST_SKIP() << "no print queue \"PDF\" (./test.sh run as root starts one)";
    const QStringList before = QDir(printqueue::outputFolder()).entryList(QDir::Files);
    const ProgramRun run =
        kf2718({"--print", "--printer", "PDF", "--field", "Edit3=Nyomtatott Név"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    printqueue::waitForQueue();
    QStringList arrived = QDir(printqueue::outputFolder()).entryList(QDir::Files);
    for (const QString& old : before)
        arrived.removeAll(old);
    ASSERT_EQ(arrived.size(), 1) << arrived.join(' ').toStdString();
    const QString file = QDir(printqueue::outputFolder()).filePath(arrived.front());
    const auto sizes = printqueue::pdfPageSizes(file);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_TRUE(printqueue::isA4(sizes.front()));
    QFile::remove(file);
    EXPECT_EQ(kf2718({"--print", "--printer", "Nincs Ilyen"}).exitCode, 1);
}
