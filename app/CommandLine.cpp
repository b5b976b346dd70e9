// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/BatchCommand.h"
#include "app/CertificateTemplate.h"
#include "app/CertificateWindow.h"
#include "app/PdfExport.h"
#include "app/Startup.h"
#include "app/TextOverflowMessage.h"
#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "crypto/SecureWipe.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "preview/PrintJob.h"
#include "preview/PrintSpooler.h"
#include "preview/Printers.h"
#include "preview/ReportPages.h"

#include <QCommandLineParser>
#include <QLineEdit>
#include <cerrno>
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

// The window's pass phrase question takes at most this many characters.
constexpr qsizetype kMaxPassphrase = 255;

// One line of standard input, read byte by byte: the C library's buffer for standard input would
// keep the pass phrase until the program ends. A room made once, so that growing leaves no copy.
std::string readLineUnbuffered() {
    std::string line;
    line.reserve(4096);
    char c = 0;
    while (line.size() < line.capacity()) {
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || c == '\n')
            break;
        line.push_back(c);
    }
    c = 0;
    return line;
}

// One line from the input as code page 1250 bytes; typed at a terminal it is asked for and not
// echoed. A pass phrase the window could not have taken is refused: one with characters outside
// the code page (the window's edits refuse them) or, for a save, longer than its question allows.
std::string readPassphrase(std::istream& input, std::ostream& err, bool forSave) {
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
    if (&input == &std::cin)
        line = readLineUnbuffered();
    else
        std::getline(input, line);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        err << '\n';
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    QString unicode = QString::fromLocal8Bit(line);
    crypto::secureWipe(line);
    // The Unicode copy is scrubbed too, however this ends.
    struct Scrubbed {
        QString& text;
        ~Scrubbed() { text.fill(QChar(0)); }
    } scrubbed{unicode};
    if (!platform::isCp1250Representable(unicode))
        throw platform::Error(platform::fromUtf8(
            "A jelszó olyan betűt tartalmaz, amely a közép-európai kódlapon nincs (the pass "
            "phrase has characters outside code page 1250)"));
    if (forSave && unicode.isEmpty())
        throw platform::Error(
            platform::fromUtf8("Üres jelszóval nincs mentés (an empty pass phrase saves nothing)"));
    if (forSave && unicode.size() > kMaxPassphrase)
        throw platform::Error(platform::fromUtf8(
            "A jelszó legfeljebb 255 karakter lehet (the pass phrase has at most 255 characters)"));
    return platform::toCp1250(unicode);
}

// Scrubs the pass phrase from memory however the run ends.
struct Passphrase {
    std::string text;
    ~Passphrase() { crypto::secureWipe(text); }
};

} // namespace

bool HasOptions(const QStringList& arguments) {
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
    const QCommandLineOption save("save");
    const QCommandLineOption batch("batch", {}, "table");
    const QCommandLineOption pdfDir("pdf-dir", {}, "folder");
    const QCommandLineOption allowOverflow("allow-overflow");
    parser.addOptions({help, pdf, print, printer, load, field, save, batch, pdfDir, allowOverflow});
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    // Every option but --field is given once: a second one would silently win over the first.
    QStringList seen;
    for (QString name : parser.optionNames()) {
        if (name == QLatin1String("h"))
            name = QStringLiteral("help");
        if (name != QLatin1String("field") && seen.contains(name)) {
            error = QStringLiteral("--%1 is given more than once").arg(name);
            return std::nullopt;
        }
        seen << name;
    }
    // An empty name would quietly mean something else: no save file, the default printer.
    for (const QCommandLineOption* option : {&pdf, &printer, &load, &batch, &pdfDir}) {
        if (parser.isSet(*option) && parser.value(*option).isEmpty()) {
            error = QStringLiteral("--%1 needs a %2")
                        .arg(option->names().constFirst(), option->valueName());
            return std::nullopt;
        }
    }
    HeadlessRequest request;
    request.help = parser.isSet(help);
    request.pdfFile = parser.value(pdf);
    request.print = parser.isSet(print);
    request.printer = parser.value(printer);
    request.loadFile = parser.value(load);
    request.save = parser.isSet(save);
    request.batchFile = parser.value(batch);
    request.pdfDir = parser.value(pdfDir);
    request.allowOverflow = parser.isSet(allowOverflow);
    for (const QString& f : parser.values(field)) {
        const qsizetype eq = f.indexOf('=');
        if (eq <= 0) {
            error = QStringLiteral("--field takes NAME=VALUE, not \"%1\"").arg(f);
            return std::nullopt;
        }
        request.fields.emplace_back(f.left(eq), f.mid(eq + 1));
    }
    const int batchOutputs = !request.pdfFile.isEmpty() + !request.pdfDir.isEmpty() + request.print;
    if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments()[0]);
    else if (!request.batchFile.isEmpty() && (!request.loadFile.isEmpty() || request.save))
        error = QStringLiteral("--batch takes its fields from the table and --field, not with "
                               "--load or --save");
    else if (!request.batchFile.isEmpty() && batchOutputs > 1)
        error = QStringLiteral("--batch writes to one of --pdf, --pdf-dir and --print at a time");
    else if (!request.pdfDir.isEmpty() && request.batchFile.isEmpty())
        error = QStringLiteral("--pdf-dir goes with --batch");
    else if (!request.help && request.batchFile.isEmpty() && request.pdfFile.isEmpty() &&
             !request.print && !request.save)
        error = QStringLiteral("say what to do: --pdf OUT.pdf, --print or --save (see --help)");
    else if (!request.printer.isEmpty() && !request.print)
        error = QStringLiteral("--printer goes with --print");
    else if (!request.pdfFile.isEmpty() && !request.loadFile.isEmpty() &&
             platform::resolvedFilePath(request.pdfFile) ==
                 platform::resolvedFilePath(request.loadFile))
        error = QStringLiteral("--pdf would overwrite the save file that --load reads");
    else if (!request.pdfFile.isEmpty() && !request.batchFile.isEmpty() &&
             platform::resolvedFilePath(request.pdfFile) ==
                 platform::resolvedFilePath(request.batchFile))
        error = QStringLiteral("--pdf would overwrite the table that --batch reads");
    if (!error.isEmpty())
        return std::nullopt;
    return request;
}

namespace {

// An amount as the numeric edit takes it when typed: a blank typed there only regroups the digits
// (the group separator of the regional settings may be another space, as the non-breaking one of
// Hungarian).
QString typedAmount(QString value) {
    return value.remove(QLatin1Char(' '));
}

} // namespace

// A line break would break the certificate's line; a character outside the code page could not be
// saved.
std::string FieldError(const TForm1& window, const QString& name, const QString& value) {
    auto* edit = qobject_cast<QLineEdit*>(window.FindComponent(name.toStdString()));
    if (!edit || name.contains('_'))
        return platform::toCp1250(
            QString::fromUtf8("Nincs ilyen mező (no such field): %1").arg(name));
    if (!platform::isFieldText(value))
        return platform::toCp1250(
            QString::fromUtf8("A(z) %1 mező értéke nem írható be: vezérlőkaraktert vagy a "
                              "közép-európai kódlapon kívüli betűt tartalmaz (the value of %1 has "
                              "control characters or characters outside code page 1250)")
                .arg(name));
    auto* amount = qobject_cast<controls::TNumEdit*>(edit);
    if (amount && !value.isEmpty()) {
        try {
            amount->ParseNumber(typedAmount(value));
        } catch (const platform::Error&) {
            return platform::toCp1250(
                QString::fromUtf8("A(z) %1 mező értéke nem szám (the value of %1 is no number): %2")
                    .arg(name, value));
        }
    }
    return {};
}

void SetField(TForm1& window, const QString& name, const QString& value) {
    EnterFieldText(*qobject_cast<QLineEdit*>(window.FindComponent(name.toStdString())), value);
}

void EnterFieldText(QLineEdit& edit, const QString& value) {
    // An amount emptied reads as 0, as when its digits are deleted in the window: the numeric
    // edit never holds an empty text.
    if (auto* amount = qobject_cast<controls::TNumEdit*>(&edit))
        amount->EnterText(typedAmount(value));
    else
        edit.setText(value);
}

QString HelpText() {
    return QString::fromUtf8(
        R"(KF2718 — employer's certificate of employment and income (MUNKÁLTATÓI IGAZOLÁS)

Without options the program opens its window. With these options it works without a window:

  --pdf OUT.pdf        export the filled certificate as an archive PDF (PDF/A-1b, 600 dpi,
                       selectable text)
  --print              print the certificate without the print dialog
  --printer NAME       with --print: on this printer instead of the default one
  --load FILE          take the fields from a save file (KF2718.txt); the pass phrase is
                       read from standard input, never from the command line
  --field NAME=VALUE   set one field (after --load); may be given several times
  --save               save the fields to the one save file, KF2718.txt, as the window's
                       Save does, encrypted with the pass phrase read from standard input
  --batch TABLE        a certificate for every row of a payroll table (CSV, below): with
                       --pdf all in one PDF, one page per row; with --pdf-dir one PDF per
                       row; with --print one print job; without these in the preview window
  --pdf-dir FOLDER     with --batch: one PDF per row, named <row>_<employee>.pdf
  --allow-overflow     with --pdf or --print: go on although some text does not fit on the
                       certificate (without it that is an error, and nothing is written)
  -h, --help           show this text

The save file is KF2718.txt beside the program when the user may write into the program's
folder, else in the user's data folder: ~/.local/share/kf2718/ ($XDG_DATA_HOME/kf2718/).

Fields: Edit1 employer's name, Edit2 employer's address, Edit3 employee's name,
Edit6 maiden name, Edit7 employee's address, Edit4 position, Edit5 employed since,
NumEdit1 average net income of the last 3 months, NumEdit2 family allowance.
Values must be writable in code page 1250 (Central European), without control characters;
the amounts are numbers, shown as the window shows them. Each option but --field is given
once. Exit status: 0 done, 1 loading, saving, preparing, exporting or printing failed,
2 wrong arguments or field values.

The table of --batch is CSV as spreadsheets save it: UTF-8 or Windows-1250, "," or ";"
between the cells, quotes around cells that hold them. Its first row names the columns:
field names as above or their Hungarian headers (munkáltató neve, munkáltató címe,
munkavállaló neve, leánykori név, munkavállaló címe, beosztás, mióta áll alkalmazásban,
nettó jövedelem átlaga, családi pótlék), in any letter case. Each row fills the fields as
the window starts, then the --field values, then its cells; amounts are grouped as the
window groups them (123456 prints 123 456), a line break in a cell becomes a blank. Every row
is checked first: problems are listed with their row (the header is row 1) and column, and
then nothing is written.

Example: echo 'jelszó' | kf2718 --load KF2718.txt --field Edit5="2001. március 1." --pdf igazolas.pdf
         kf2718 --batch dolgozok.csv --field Edit1="Minta Kft." --pdf igazolasok.pdf

KF2718 — munkáltatói igazolás

Kapcsolók nélkül a program ablakkal indul. A kapcsolókkal ablak nélkül dolgozik:

  --pdf KIMENET.pdf    a kitöltött igazolás mentése archiválható PDF-be (PDF/A-1b, 600 dpi,
                       kijelölhető szöveggel)
  --print              az igazolás nyomtatása a nyomtatási párbeszéd nélkül
  --printer NÉV        a --print mellett: ezen a nyomtatón az alapértelmezett helyett
  --load FÁJL          a mezők betöltése mentésfájlból (KF2718.txt); a jelszót a szabványos
                       bemenetről olvassa, soha nem a parancssorból
  --field NÉV=ÉRTÉK    egy mező beállítása (a --load után); többször is megadható
  --save               a mezők mentése az egyetlen mentésfájlba (KF2718.txt), mint az ablak
                       mentése, a szabványos bemenetről olvasott jelszóval titkosítva
  --batch TÁBLÁZAT     igazolás egy bértáblázat minden sorához (CSV): a --pdf mellett egy
                       PDF-be, soronként egy oldal; a --pdf-dir mellett soronként egy PDF;
                       a --print mellett egy nyomtatási feladat; ezek nélkül az előnézetben
  --pdf-dir MAPPA      a --batch mellett: soronként egy PDF, <sor>_<munkavállaló>.pdf néven
  --allow-overflow     a --pdf vagy --print mellett: akkor is elkészül, ha valamelyik szöveg
                       nem fér el az igazoláson (nélküle ez hiba, és semmi nem készül el)
  -h, --help           ez a leírás

A mentésfájl a KF2718.txt a program mellett, ha a felhasználó írhat a program mappájába,
különben a felhasználó adatmappájában: ~/.local/share/kf2718/ ($XDG_DATA_HOME/kf2718/).

Mezők: Edit1 munkáltató neve, Edit2 munkáltató címe, Edit3 munkavállaló neve, Edit6 leánykori
név, Edit7 munkavállaló címe, Edit4 beosztás, Edit5 mióta áll alkalmazásban, NumEdit1 az utolsó
3 havi nettó jövedelem átlaga, NumEdit2 családi pótlék összege. Az értékek a közép-európai
kódlap betűiből állnak, vezérlőkarakter nélkül; az összegek számok, az ablak alakjában jelennek
meg. A --field kivételével minden kapcsoló egyszer adható meg. Kilépési kód: 0 kész, 1 a
betöltés, mentés, előkészítés, PDF-be írás vagy nyomtatás nem sikerült, 2 hibás kapcsolók
vagy mezőértékek.

A --batch táblázata CSV, ahogy a táblázatkezelők mentik: UTF-8 vagy Windows-1250, a cellák
között "," vagy ";". Az első sor az oszlopok neve: a fenti mezőnevek vagy magyar nevük
(munkáltató neve, munkáltató címe, munkavállaló neve, leánykori név, munkavállaló címe,
beosztás, mióta áll alkalmazásban, nettó jövedelem átlaga, családi pótlék). Minden sort
előbb ellenőriz: a hibákat sorukkal (a fejléc az 1. sor) és oszlopukkal sorolja fel, és
ilyenkor semmit sem ír ki.
)");
}

int RunHeadless(const HeadlessRequest& request, std::istream& passphraseInput, std::ostream& out,
                std::ostream& err) {
    if (request.help) {
        out << HelpText().toLocal8Bit().toStdString() << std::flush;
        if (!out) {
            err << local("kf2718: a leírás nem írható ki (the help text could not be written)\n");
            return 1;
        }
        return 0;
    }
    if (!request.batchFile.isEmpty())
        return RunBatch(request, err);
    try {
        Forms forms = CreateForms();
        TForm1& window = *forms.form1;
        // Argument errors that need the window: found before anything is read or written.
        for (const auto& [name, value] : request.fields) {
            if (const std::string error = FieldError(window, name, value); !error.empty()) {
                err << "kf2718: " << local(error) << '\n';
                return 2;
            }
        }
        if (!request.pdfFile.isEmpty() && platform::resolvedFilePath(request.pdfFile) ==
                                              platform::resolvedFilePath(window.SaveFilePath())) {
            err << "kf2718: --pdf would overwrite the save file\n";
            return 2;
        }
        // One pass phrase serves both: a loaded save is saved again under the same one.
        Passphrase passphrase;
        if (!request.loadFile.isEmpty() || request.save)
            passphrase.text = readPassphrase(passphraseInput, err, request.save);
        if (!request.loadFile.isEmpty()) {
            const TForm1::LoadResult result =
                window.LoadFormFile(request.loadFile, passphrase.text);
            if (result == TForm1::LoadResult::NoSaveFile) {
                err << local("Nincs mentés! (no save file: ") << request.loadFile.toStdString()
                    << ")\n";
                return 1;
            }
            if (result == TForm1::LoadResult::WrongPassphrase) {
                err << local("Hibás jelszó! (wrong pass phrase)\n");
                return 1;
            }
            if (result == TForm1::LoadResult::Damaged) {
                err << local("A mentés sérült, nem tölthető be. (the save file is damaged)\n");
                return 1;
            }
        }
        for (const auto& [name, value] : request.fields)
            SetField(window, name, value);
        if (request.save) {
            window.ComposeFormText();
            window.SaveFormText(window.SaveFilePath(), passphrase.text);
        }
        if (request.pdfFile.isEmpty() && !request.print)
            return 0;

        // The errors of a preparation are written out below instead of shown in a box.
        window.rpReport1.EngineOptions.SilentMode = true;
        bool prepared = false;
        window.OpenPreview = [&](report::TrpReport& report) {
            prepared = true;
            if (!request.allowOverflow && !report.TextOverflows().empty())
                throw platform::Error(
                    platform::toCp1250(TextOverflowError(report.TextOverflows())));
            if (!request.pdfFile.isEmpty())
                WritePreparedPagesToPdf(report, request.pdfFile,
                                        CertificatePdfTitle(window.Edit3->text()));
            if (request.print) {
                // No scheduler, or one that does not answer, is said as such, not as "no such
                // printer", and before anything waits on it.
                if (const auto problem = preview::spoolerProblem())
                    throw platform::Error(*problem);
                preview::TrpPrinters& printers = preview::TrpPrinters::Instance();
                if (!request.printer.isEmpty() &&
                    printers.IndexOf(platform::toCp1250(request.printer)) < 0)
                    throw platform::Error(platform::toCp1250(
                        QString::fromUtf8("Nincs ilyen nyomtató (no such printer): %1")
                            .arg(request.printer)));
                report.PrintOptions.ShowDialog = false;
                if (!request.printer.isEmpty())
                    report.PrintOptions.Printer = platform::toCp1250(request.printer);
                preview::ReportPages pages(report, CertificateJobTitle());
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
