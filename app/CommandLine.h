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

namespace app {

class TForm1;

struct HeadlessRequest {
    bool help = false;
    QString pdfFile;    // --pdf OUT.pdf
    bool print = false; // --print
    QString printer;    // --printer NAME (with --print)
    QString loadFile;   // --load FILE (pass phrase from standard input)
    bool save = false;  // --save (pass phrase from standard input)
    std::vector<std::pair<QString, QString>> fields; // --field NAME=VALUE, in order
};

// Whether the arguments ask for work without the window (so the window system is not needed).
bool WantsHeadless(const QStringList& arguments);

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

// Carries out the request (a QApplication exists): load, set the fields, save, then export and
// print. Messages go to err; the exit status is 0 on success, 1 when loading, saving, preparing,
// exporting or printing failed (or the help text could not be written), 2 when a field cannot take
// its value or the PDF would overwrite the save file.
int RunHeadless(const HeadlessRequest& request, std::istream& passphraseInput, std::ostream& out,
                std::ostream& err);

} // namespace app
