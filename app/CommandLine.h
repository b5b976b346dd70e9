// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program without its window: the certificate exported as a PDF or printed without the print
// dialog, from a save file and/or field values given on the command line.
#include <QString>
#include <QStringList>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

class QLineEdit;

namespace app {

class TForm1;

struct HeadlessRequest {
    bool help = false;
    QString pdfFile;            // --pdf OUT.pdf
    QString batchFile;          // --batch TABLE: a certificate per row of a payroll table
    QString pdfDir;             // --pdf-dir DIR (with --batch): one PDF per row
    bool print = false;         // --print
    QString printer;            // --printer NAME (with --print)
    QString loadFile;           // --load FILE (pass phrase from standard input)
    bool save = false;          // --save (pass phrase from standard input)
    bool allowOverflow = false; // --allow-overflow: export and print text that does not fit
    std::vector<std::pair<QString, QString>> fields; // --field NAME=VALUE, in order

    // A batch without an output option shows its certificates in the preview window: the one
    // request that needs the window system.
    bool PreviewsBatch() const {
        return !help && !batchFile.isEmpty() && pdfFile.isEmpty() && pdfDir.isEmpty() && !print;
    }
};

// Whether the arguments hold options, which ask for work on the command line rather than for
// the certificate window.
bool HasOptions(const QStringList& arguments);

// The request the arguments make; nullopt with a message in error when they make none or are
// malformed. arguments[0] is the program.
std::optional<HeadlessRequest> ParseCommandLine(const QStringList& arguments, QString& error);

// The text of --help, in English and Hungarian.
QString HelpText();

// Why the window's field cannot take the value, as its edits refuse what they cannot hold (code
// page 1250; empty when it can): no such field, characters outside the code page or control
// characters, an amount that is no number.
std::string FieldError(const TForm1& window, const QString& name, const QString& value);
// Sets a field that FieldError accepts; amounts are entered as the numeric edit enters them.
void SetField(TForm1& window, const QString& name, const QString& value);
// Puts a value from outside the window (an option, a table's cell) into one of its edits, as
// SetField does; raises platform::Error for an amount that is no number.
void EnterFieldText(QLineEdit& edit, const QString& value);

// Carries out the request (a QApplication exists): load, set the fields, save, then export and
// print; or the batch of --batch. Messages go to err; the exit status is 0 on success, 1 when
// loading, saving, preparing, exporting or printing failed (or the help text could not be
// written), 2 when a field cannot take its value or the PDF would overwrite the save file.
int RunHeadless(const HeadlessRequest& request, std::istream& passphraseInput, std::ostream& out,
                std::ostream& err);

} // namespace app
