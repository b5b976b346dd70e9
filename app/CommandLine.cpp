#include "app/CommandLine.h"

#include "app/CertificateWindow.h"
#include "app/PdfExport.h"
#include "app/Startup.h"
#include "crypto/SecureWipe.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "preview/PrintJob.h"
#include "preview/Printers.h"
#include "preview/ReportPages.h"

#include <QCommandLineParser>
#include <QLineEdit>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace app {
namespace {

// Messages as code page 1250 text, written out in the terminal's encoding.
std::string local(const std::string& cp1250) {
    return platform::toUnicode(cp1250).toLocal8Bit().toStdString();
}
std::string local(const char* utf8) {
    return QString::fromUtf8(utf8).toLocal8Bit().toStdString();
}

// One line from the input; typed at a terminal it is asked for and not echoed.
std::string readPassphrase(std::istream& input, std::ostream& err) {
    const bool terminal = &input == &std::cin && isatty(STDIN_FILENO);
    termios saved{};
    if (terminal) {
        err << local("Jelszó (pass phrase): ") << std::flush;
        tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    std::getline(input, line);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        err << '\n';
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::string passphrase = platform::toCp1250(QString::fromLocal8Bit(line));
    crypto::secureWipe(line);
    return passphrase;
}

void setField(TForm1& window, const QString& name, const QString& value) {
    auto* edit = qobject_cast<QLineEdit*>(window.FindComponent(name.toStdString()));
    if (!edit || name.contains('_'))
        throw platform::Error(platform::toCp1250(
            QString::fromUtf8("Nincs ilyen mező (no such field): %1").arg(name)));
    if (!platform::isCp1250Representable(value))
        throw platform::Error(platform::toCp1250(
            QString::fromUtf8("A(z) %1 mező értéke nem írható le a közép-európai kódlappal "
                              "(the value of %1 has characters outside code page 1250)")
                .arg(name)));
    edit->setText(value);
}

} // namespace

bool WantsHeadless(const QStringList& arguments) {
    for (const QString& a : arguments.mid(1))
        if (a.startsWith(QStringLiteral("-")))
            return true;
    return false;
}

std::optional<HeadlessRequest> ParseCommandLine(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, {});
    const QCommandLineOption pdf("pdf", {}, "file");
    const QCommandLineOption print("print");
    const QCommandLineOption printer("printer", {}, "name");
    const QCommandLineOption load("load", {}, "file");
    const QCommandLineOption field("field", {}, "name=value");
    parser.addOptions({help, pdf, print, printer, load, field});
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    HeadlessRequest request;
    request.help = parser.isSet(help);
    request.pdfFile = parser.value(pdf);
    request.print = parser.isSet(print);
    request.printer = parser.value(printer);
    request.loadFile = parser.value(load);
    for (const QString& f : parser.values(field)) {
        const qsizetype eq = f.indexOf('=');
        if (eq <= 0) {
            error = QStringLiteral("--field takes NAME=VALUE, not \"%1\"").arg(f);
            return std::nullopt;
        }
        request.fields.emplace_back(f.left(eq), f.mid(eq + 1));
    }
    if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments()[0]);
    else if (!request.help && request.pdfFile.isEmpty() && !request.print)
        error = QStringLiteral("say what to do: --pdf OUT.pdf or --print (see --help)");
    else if (!request.printer.isEmpty() && !request.print)
        error = QStringLiteral("--printer goes with --print");
    if (!error.isEmpty())
        return std::nullopt;
    return request;
}

QString HelpText() {
    return QString::fromUtf8(
        R"(KF2718 — employer's certificate of employment and income (MUNKÁLTATÓI IGAZOLÁS)

Without options the program opens its window. With these options it works without a window:

  --pdf OUT.pdf        export the filled certificate as a PDF (600 dpi, selectable text)
  --print              print the certificate without the print dialog
  --printer NAME       with --print: on this printer instead of the default one
  --load FILE          take the fields from a save file (KF2718.txt); the pass phrase is
                       read from standard input, never from the command line
  --field NAME=VALUE   set one field (after --load); may be given several times
  -h, --help           show this text

Fields: Edit1 employer's name, Edit2 employer's address, Edit3 employee's name,
Edit6 maiden name, Edit7 employee's address, Edit4 position, Edit5 employed since,
NumEdit1 average net income of the last 3 months, NumEdit2 family allowance.
Values must be writable in code page 1250 (Central European). Exit status: 0 done,
1 loading, preparing, exporting or printing failed, 2 wrong arguments.

Example: echo 'jelszó' | kf2718 --load KF2718.txt --field Edit5="2001. március 1." --pdf igazolas.pdf

KF2718 — munkáltatói igazolás

Kapcsolók nélkül a program ablakkal indul. A kapcsolókkal ablak nélkül dolgozik:

  --pdf KIMENET.pdf    a kitöltött igazolás mentése PDF-be (600 dpi, kijelölhető szöveggel)
  --print              az igazolás nyomtatása a nyomtatási párbeszéd nélkül
  --printer NÉV        a --print mellett: ezen a nyomtatón az alapértelmezett helyett
  --load FÁJL          a mezők betöltése mentésfájlból (KF2718.txt); a jelszót a szabványos
                       bemenetről olvassa, soha nem a parancssorból
  --field NÉV=ÉRTÉK    egy mező beállítása (a --load után); többször is megadható
  -h, --help           ez a leírás

Mezők: Edit1 munkáltató neve, Edit2 munkáltató címe, Edit3 munkavállaló neve, Edit6 leánykori
név, Edit7 munkavállaló címe, Edit4 beosztás, Edit5 mióta áll alkalmazásban, NumEdit1 az utolsó
3 havi nettó jövedelem átlaga, NumEdit2 családi pótlék összege. Kilépési kód: 0 kész, 1 a
betöltés, előkészítés, mentés vagy nyomtatás nem sikerült, 2 hibás kapcsolók.
)");
}

int RunHeadless(const HeadlessRequest& request, std::istream& passphraseInput, std::ostream& out,
                std::ostream& err) {
    if (request.help) {
        out << HelpText().toLocal8Bit().toStdString();
        return 0;
    }
    try {
        Forms forms = CreateForms();
        TForm1& window = *forms.form1;
        if (!request.loadFile.isEmpty()) {
            std::string passphrase = readPassphrase(passphraseInput, err);
            const TForm1::LoadResult result = window.LoadFormFile(request.loadFile, passphrase);
            crypto::secureWipe(passphrase);
            if (result == TForm1::LoadResult::NoSaveFile) {
                err << local("Nincs mentés! (no save file: ") << request.loadFile.toStdString()
                    << ")\n";
                return 1;
            }
            if (result == TForm1::LoadResult::WrongPassphrase) {
                err << local("Hibás jelszó! (wrong pass phrase)\n");
                return 1;
            }
        }
        for (const auto& [name, value] : request.fields)
            setField(window, name, value);

        // The errors of a preparation are written out below instead of shown in a box.
        window.rpReport1.EngineOptions.SilentMode = true;
        bool prepared = false;
        window.OpenPreview = [&](report::TrpReport& report) {
            prepared = true;
            if (!request.pdfFile.isEmpty())
                WritePreparedPagesToPdf(report, request.pdfFile);
            if (request.print) {
                preview::TrpPrinters& printers = preview::TrpPrinters::Instance();
                if (!request.printer.isEmpty() &&
                    printers.IndexOf(platform::toCp1250(request.printer)) < 0)
                    throw platform::Error(platform::toCp1250(
                        QString::fromUtf8("Nincs ilyen nyomtató (no such printer): %1")
                            .arg(request.printer)));
                report.PrintOptions.ShowDialog = false;
                if (!request.printer.isEmpty())
                    report.PrintOptions.Printer = platform::toCp1250(request.printer);
                preview::ReportPages pages(report);
                preview::RunPrintJob(pages, printers);
            }
        };
        window.Nyomtats1Click();
        if (!prepared) {
            for (const std::string& line : window.rpReport1.ErrorList)
                err << local(line) << '\n';
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        err << local(std::string(e.what())) << '\n';
        return 1;
    }
}

} // namespace app
