// SPDX-License-Identifier: GPL-3.0-or-later
// The program without its window, run as a whole process the way an office script runs it.
#include "app/CommandLine.h"
#include "ProgramRun.h"
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "support/FaultProxy.h"
#include "support/ModalAnswerer.h"
#include "support/PrintQueue.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class CommandLine : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString pdf = folder.filePath("igazolas.pdf");
};

} // namespace

TEST_F(CommandLine, HelpExplainsTheOptionsInEnglishAndHungarian) {
    const ProgramRun run = kf2718({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* part : {"--pdf", "--print", "--load", "--field", "--allow-overflow",
                             "standard input", "szabványos", "NumEdit1"})
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

TEST_F(CommandLine, ThePdfIsAnArchiveCopyWhoseTextEveryReaderReadsAlike) {
    QFile old(pdf); // a file the user had: its mode gives way to the umask
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    old.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const mode_t savedMask = ::umask(027);
    const ProgramRun run = kf2718({"--field", "Edit3=Kovács Ödön", "--field", "Edit6=Szőke Éva",
                                   "--field", "Edit4=műszakvezető", "--pdf", pdf});
    ::umask(savedMask);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QFile::permissions(pdf), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                           QFile::WriteUser | QFile::ReadGroup); // 0640

    // Blanks are U+0020 (not the tab that shares their glyph), ő and ű their own code points.
    const QString poppler = pdfText(pdf);
    const printqueue::ToolRun mupdf =
        printqueue::runTool("mutool", {"draw", "-q", "-F", "txt", "-o", "-", pdf});
    for (const QString& text : {poppler, mupdf.output}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8("MUNKÁLTATÓI IGAZOLÁS"))) << text.toStdString();
        EXPECT_FALSE(text.contains('\t'));
        EXPECT_TRUE(text.contains(QString::fromUtf8("Szőke Éva")));
        EXPECT_TRUE(text.contains(QString::fromUtf8("műszakvezető beosztásban")));
    }
    if (mupdf.exitCode == -1)
        GTEST_SKIP() << "MuPDF (mutool) is not installed";

    const printqueue::ToolRun check = printqueue::runTool("qpdf", {"--check", pdf});
    if (check.exitCode != -1) {
        EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    }
    const QString xmp =
        printqueue::runTool("mutool", {"show", "-b", pdf, "trailer/Root/Metadata"}).output;
    EXPECT_TRUE(xmp.contains(R"(pdfaid:part="1")")) << xmp.toStdString();
    EXPECT_TRUE(xmp.contains(R"(pdfaid:conformance="B")"));
    EXPECT_TRUE(xmp.contains(QString::fromUtf8("MUNKÁLTATÓI IGAZOLÁS – Kovács Ödön")));
    EXPECT_TRUE(xmp.contains(R"(xmp:CreatorTool="KF2718")"));
}

namespace {

// The width, in pixels of a 600-dpi render of the PDF's first page, of the first stem of a word:
// the first run of dark pixels from the word's left edge, low in its line where K, l and the
// like are a bare stem. 0 when the word or the tools are missing.
int firstStemAt600Dpi(const QString& pdf, const QString& word) {
    const QString words = printqueue::runTool("pdftotext", {"-bbox", pdf, "-"}).output;
    const QRegularExpression box(
        R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re" +
        QRegularExpression::escape(word) + "<");
    const QRegularExpressionMatch m = box.match(words);
    if (!m.hasMatch())
        return 0;
    const double toPixels = 600.0 / 72;
    const QRect area(
        QPoint(int(m.captured(1).toDouble() * toPixels) - 4,
               int(m.captured(2).toDouble() * toPixels)),
        QPoint(int(m.captured(3).toDouble() * toPixels), int(m.captured(4).toDouble() * toPixels)));
    QTemporaryDir folder;
    const QString prefix = folder.filePath("crop");
    printqueue::runTool("pdftoppm",
                        {"-r", "600", "-gray", "-singlefile", "-x", QString::number(area.x()), "-y",
                         QString::number(area.y()), "-W", QString::number(area.width()), "-H",
                         QString::number(area.height()), pdf, prefix});
    const QImage image(prefix + ".pgm");
    if (image.isNull())
        return 0;
    const int row = image.height() * 65 / 100;
    int x = 0, width = 0;
    while (x < image.width() && qGray(image.pixel(x, row)) >= 128)
        ++x;
    while (x + width < image.width() && qGray(image.pixel(x + width, row)) < 128)
        ++width;
    return width;
}

} // namespace

// Wine's Tahoma Bold has the regular face's stems; the exported page must still show bold.
TEST_F(CommandLine, TheExportedCertificateShowsItsBoldRunsBold) {
    const ProgramRun run = kf2718({"--field", "Edit3=Kovács Ödön", "--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const int bold = firstStemAt600Dpi(pdf, QString::fromUtf8("Kovács")); // 11 pt, bold
    const int regular = firstStemAt600Dpi(pdf, "Kelt:");                  // 11 pt, regular
    if (regular == 0)
        GTEST_SKIP() << "pdftotext or pdftoppm is missing";
    EXPECT_GE(bold, 1.6 * regular) << bold << " vs " << regular;
}

TEST_F(CommandLine, TextThatDoesNotFitFailsTheExportUnlessAllowed) {
    const QStringList fields = {
        "--field",
        "Edit1=Tölgyesvárhely Településüzemeltető és Vagyonkezelő Nonprofit Korlátolt "
        "Felelősségű Társaság",
        "--field",
        "Edit2=Tölgyesvárhely, Fő utca 1.",
        "--field",
        "Edit3=Kiss Anna",
        "--field",
        "Edit6=Nagy Anna",
        "--field",
        "Edit7=Tölgyesvárhely, Kossuth Lajos tér 2. második emelet, harmadik ajtó",
        "--field",
        "Edit4=pénzügyi és számviteli csoportvezető",
        "--field",
        "Edit5=2001. március 1.",
        "--field",
        "NumEdit1=123 456",
        "--field",
        "NumEdit2=12 000"};
    const ProgramRun refused = kf2718(fields + QStringList{"--pdf", pdf});
    EXPECT_EQ(refused.exitCode, 1);
    // The amount comes out with the regional group separator (a no-break space in hu_HU).
    EXPECT_TRUE(QString(refused.err)
                    .replace(QChar(0xA0), u' ')
                    .contains(QString::fromUtf8("A családi pótlék összege: 12 000 Ft.")))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--allow-overflow"));
    EXPECT_FALSE(QFile::exists(pdf));

    const ProgramRun allowed = kf2718(fields + QStringList{"--allow-overflow", "--pdf", pdf});
    ASSERT_EQ(allowed.exitCode, 0) << allowed.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QString::fromUtf8("jövedelmi átlaga"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf8("családi pótlék összege"))) << text.toStdString();
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

// An unpacked copy of the program: its folder is writable, so its save file lies beside it.
class UnpackedCopy : public CommandLine {
protected:
    QString program = folder.filePath("kf2718");
    QString save = folder.filePath("KF2718.txt");
    void SetUp() override { ASSERT_TRUE(QFile::copy(QStringLiteral(KF2718_PROGRAM), program)); }
    ProgramRun kf2718(const QStringList& arguments, const QByteArray& input = {}) {
        return run(program, arguments, input);
    }
};

TEST_F(UnpackedCopy, SaveWritesTheOneSaveFileThatTheWindowLoads) {
    const ProgramRun saved =
        kf2718({"--field", "Edit3=Szabó Éva", "--field", "NumEdit1=123 456", "--save"},
               QString::fromUtf8("Titok ő\n").toUtf8());
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_TRUE(saved.out.isEmpty() && saved.err.isEmpty());
    ASSERT_TRUE(QFile::exists(save));
    EXPECT_EQ(QFile::permissions(save) & 0x0077, 0);

    // Loaded, changed and saved again under the same pass phrase, then exported from it.
    // An amount emptied reads as 0, as in the window, so the save keeps the shape Load accepts.
    ASSERT_EQ(
        kf2718({"--load", save, "--field", "Edit4=könyvelő", "--field", "NumEdit2=", "--save"},
               QString::fromUtf8("Titok ő\n").toUtf8())
            .exitCode,
        0);
    app::Forms forms = app::CreateForms();
    forms.form1->SetSaveFolder(folder.path());
    ModalAnswerer dialogs;
    dialogs.then(ModalAnswerer::typeAndAccept(QString::fromUtf8("Titok ő")));
    forms.form1->Kitltttrlapbetltse1->trigger();
    EXPECT_EQ(forms.form1->Edit3->text(), QString::fromUtf8("Szabó Éva"));
    EXPECT_EQ(forms.form1->Edit4->text(), QString::fromUtf8("könyvelő"));
    // The amount as the numeric edit shows it (the group separator of the regional settings).
    EXPECT_EQ(forms.form1->NumEdit1->text(), forms.form1->NumEdit1->FormatNumber(123456));
    EXPECT_EQ(forms.form1->NumEdit2->text(), QStringLiteral("0"));
}

// Save refuses what the window's question could not have taken, and the old save stays.
TEST_F(UnpackedCopy, SaveRefusesAPassphraseTheWindowCouldNotTake) {
    ASSERT_EQ(kf2718({"--field", "Edit3=Első", "--save"}, "titok\n").exitCode, 0);
    QFile file(save);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray first = file.readAll();
    file.close();
    const QByteArray longest(255, 'x');
    for (const QByteArray& refused :
         {QByteArray(), QByteArray("\n"), longest + "x\n", QString::fromUtf8("漢字\n").toUtf8()}) {
        const ProgramRun r = kf2718({"--field", "Edit3=Második", "--save"}, refused);
        EXPECT_EQ(r.exitCode, 1) << refused.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), first);
        file.close();
    }
    EXPECT_EQ(kf2718({"--save"}, longest + "\n").exitCode, 0);
    EXPECT_EQ(kf2718({"--load", save, "--pdf", pdf}, longest + "\n").exitCode, 0);
}

// fonts-wine's Tahoma lies where fontconfig does not look; the program finds it itself, so the
// certificate keeps its typeface without any change to the system's font set.
TEST_F(CommandLine, FindsWinesTahomaThatFontconfigDoesNotKnow) {
    if (!QFile::exists("/usr/share/wine/fonts/tahoma.ttf"))
        GTEST_SKIP() << "fonts-wine is not installed";
    QFile config(folder.filePath("fonts.conf"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"(<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><include>/etc/fonts/fonts.conf</include>
<selectfont><rejectfont><glob>/usr/share/wine/fonts/*</glob></rejectfont></selectfont></fontconfig>
)");
    config.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FONTCONFIG_FILE", config.fileName());
    ASSERT_EQ(run("fc-list", {":family=Tahoma"}, {}, environment).out.trimmed(), QString());

    const ProgramRun exported = run(QStringLiteral(KF2718_PROGRAM),
                                    {"--field", "Edit3=Kiss Ödön", "--pdf", pdf}, {}, environment);
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const QString fonts = printqueue::runTool("pdffonts", {pdf}).output;
    EXPECT_TRUE(fonts.contains("Tahoma ") || fonts.contains("Tahoma\n")) << fonts.toStdString();
    // The bold is Wine's Tahoma Bold, widened under a name of its own.
    EXPECT_TRUE(fonts.contains("TahomaKF2718-Bold")) << fonts.toStdString();
}

TEST_F(CommandLine, WrongArgumentsAndFieldsAreReportedWithoutOutput) {
    EXPECT_EQ(kf2718({"--bogus"}).exitCode, 2);
    EXPECT_EQ(kf2718({"--field", "Edit3=x"}).exitCode, 2); // nothing to do
    EXPECT_EQ(kf2718({"--pdf", pdf, "--field", "Edit3"}).exitCode, 2);
    EXPECT_EQ(kf2718({"--pdf", pdf, "--printer", "PDF"}).exitCode, 2);
    const ProgramRun unknown = kf2718({"--pdf", pdf, "--field", "Label3=x"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("Label3"));
    // What the window's edits cannot hold: characters outside the code page, control characters
    // (a line break would break the certificate's line), an amount that is no number.
    for (const char* value :
         {"Edit3=漢字", "Edit3=a\tb", "Edit3=a\nb", "Edit3=a\x1B", "Edit3=a\x7F", "NumEdit1=abc"}) {
        const ProgramRun refused = kf2718({"--pdf", pdf, "--field", QString::fromUtf8(value)});
        EXPECT_EQ(refused.exitCode, 2) << value;
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(value).section('=', 0, 0))) << value;
    }
    EXPECT_FALSE(QFile::exists(pdf));
    // Empty names, options given twice and a PDF over the save file are refused before anything
    // is written.
    for (const QStringList& arguments : {QStringList{"--pdf", ""},
                                         {"--pdf", pdf, "--load", ""},
                                         {"--print", "--printer", ""},
                                         {"--pdf", pdf, "--pdf", folder.filePath("masik.pdf")},
                                         {"--print", "--print"},
                                         {"--pdf", pdf, "--save", "--save"}}) {
        const ProgramRun refused = kf2718(arguments);
        EXPECT_EQ(refused.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(refused.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(pdf));
    const ProgramRun unwritable = kf2718({"--pdf", folder.filePath("nincs/igazolas.pdf")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("Cannot create file"));
}

TEST_F(CommandLine, APdfNeverReplacesTheSaveFileItLoads) {
    QFile save(folder.filePath("KF2718.txt"));
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write("AAAA");
    save.close();
    ASSERT_TRUE(QFile::link(save.fileName(), folder.filePath("link.pdf")));
    for (const QString& output :
         {save.fileName(), folder.filePath("link.pdf"),
          folder.filePath("./../") + QDir(folder.path()).dirName() + "/KF2718.txt"}) {
        const ProgramRun refused = kf2718({"--load", save.fileName(), "--pdf", output}, "x\n");
        EXPECT_EQ(refused.exitCode, 2) << output.toStdString();
    }
    QFile check(save.fileName());
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("AAAA"));
}

TEST_F(CommandLine, AmountsAreShownAsTheNumericEditShowsThem) {
    const ProgramRun exported = kf2718({"--pdf", pdf, "--field", "NumEdit1=123456"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(pdfText(pdf).contains(QString::fromUtf8("123 456"))) << pdfText(pdf).toStdString();
}

TEST_F(CommandLine, AHelpTextThatCannotBeWrittenIsAFailure) {
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(KF2718_PROGRAM), {"--help"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
    const ProgramRun unwritable = kf2718({"--pdf", folder.filePath("nincs/igazolas.pdf")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("Cannot create file"));
}

TEST_F(CommandLine, PrintsOneA4PageOnTheQueue) {
    if (!printqueue::available())
        GTEST_SKIP() << printqueue::unavailableReason();
    const QStringList before = QDir(printqueue::outputFolder()).entryList(QDir::Files);
    const ProgramRun run =
        kf2718({"--print", "--printer", printqueue::queue, "--field", "Edit3=Nyomtatott Név"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    printqueue::waitForQueue();
    QStringList arrived = QDir(printqueue::outputFolder()).entryList(QDir::Files);
    for (const QString& old : before)
        arrived.removeAll(old);
    ASSERT_EQ(arrived.size(), 1) << arrived.join(' ').toStdString();
    // The job's title, as cups-pdf writes it into the file name (its bytes beyond ASCII escaped),
    // and the resolution the page was drawn for, whatever the queue's default (300 dpi here).
    EXPECT_TRUE(arrived.front().startsWith("KF2718_munk_303_241ltat_303_263i_igazol_303_241s"))
        << arrived.front().toStdString();
    if (const QString job = printqueue::latestJobAttributes(); !job.isEmpty()) {
        EXPECT_TRUE(job.contains("printer-resolution (resolution) = 600dpi")) << job.toStdString();
    }
    const QString file = QDir(printqueue::outputFolder()).filePath(arrived.front());
    const auto sizes = printqueue::pdfPageSizes(file);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_TRUE(printqueue::isA4(sizes.front()));
    QFile::remove(file);
    EXPECT_EQ(kf2718({"--print", "--printer", "Nincs Ilyen"}).exitCode, 1);
}

namespace {

ProgramRun printThrough(const QString& server, qint64& milliseconds) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CUPS_SERVER", server);
    QElapsedTimer clock;
    clock.start();
    QStringList arguments = {"--print", "--field", "Edit3=Nem jut el"};
    if (!printqueue::queue.isEmpty())
        arguments << "--printer" << printqueue::queue;
    const ProgramRun result = run(QStringLiteral(KF2718_PROGRAM), arguments, {}, environment);
    milliseconds = clock.elapsed();
    return result;
}

} // namespace

// The connection to the scheduler cut or frozen while the document is on its way: the job never
// reaches the printer, and the program says so within seconds instead of reporting success.
TEST_F(CommandLine, APrintCutOrFrozenOnItsWayFailsWithinSeconds) {
    if (!printqueue::available())
        GTEST_SKIP() << printqueue::unavailableReason();
    const QStringList before = QDir(printqueue::outputFolder()).entryList(QDir::Files);
    for (const faultproxy::Fault fault : {faultproxy::Fault::Cut, faultproxy::Fault::Freeze}) {
        // The other requests are a few hundred bytes; the document is far more than this.
        faultproxy::FaultProxy proxy(qEnvironmentVariable("CUPS_SERVER"), fault, 20000);
        ASSERT_TRUE(proxy.listening());
        qint64 took = 0;
        const ProgramRun printed = printThrough(proxy.address(), took);
        EXPECT_EQ(printed.exitCode, 1) << printed.err.toStdString();
        EXPECT_LT(took, 10000);
        EXPECT_GE(proxy.faulted(), 1);
        EXPECT_TRUE(printed.err.contains(QString::fromUtf8("nem jutott el")))
            << printed.err.toStdString();
    }
    printqueue::waitForQueue();
    EXPECT_EQ(QDir(printqueue::outputFolder()).entryList(QDir::Files), before);
}

// No scheduler, and one that has stopped (it still takes connections, as the system does for it,
// but reads nothing: what a scheduler stopped with SIGSTOP is to its clients).
TEST_F(CommandLine, NoPrintServiceOrAFrozenOneIsSaidWithinSeconds) {
    qint64 took = 0;
    const ProgramRun none = printThrough(folder.filePath("nincs.sock"), took);
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains(QString::fromUtf8("Nem fut nyomtatási szolgáltatás")))
        << none.err.toStdString();

    const QByteArray path = QFile::encodeName(folder.filePath("fagyott.sock"));
    const int frozen = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), static_cast<qsizetype>(sizeof address.sun_path));
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(::bind(frozen, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(frozen, 16), 0);
    const ProgramRun stuck = printThrough(QFile::decodeName(path), took);
    ::close(frozen);
    EXPECT_EQ(stuck.exitCode, 1);
    EXPECT_LT(took, 10000);
    EXPECT_TRUE(stuck.err.contains(QString::fromUtf8("A nyomtatási szolgáltatás nem válaszol")))
        << stuck.err.toStdString();
}
