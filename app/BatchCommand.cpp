// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchCommand.h"

#include "app/BatchFileName.h"
#include "app/BatchPages.h"
#include "app/BatchProgress.h"
#include "app/CertificateBatch.h"
#include "app/CertificateWindow.h"
#include "app/CommandLine.h"
#include "app/PdfExport.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/ErrorReport.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "preview/OpenPreview.h"
#include "preview/PrintJob.h"
#include "preview/Printers.h"
#include "report/prepared/RpPreviewPages.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <csignal>
#include <memory>

namespace app {
namespace {

std::string local(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

QString hu(const char* utf8) {
    return QString::fromUtf8(utf8);
}

volatile std::sig_atomic_t interrupted = 0;

// While a batch runs, Ctrl+C and a termination request stop it between two certificates, so
// that its output is abandoned cleanly instead of left behind half written.
class InterruptGuard {
public:
    InterruptGuard() {
        interrupted = 0;
        struct sigaction action {};
        action.sa_handler = [](int) { interrupted = 1; };
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &savedInt_);
        sigaction(SIGTERM, &action, &savedTerm_);
    }
    ~InterruptGuard() {
        sigaction(SIGINT, &savedInt_, nullptr);
        sigaction(SIGTERM, &savedTerm_, nullptr);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    static void throwIfInterrupted() {
        if (interrupted)
            throw platform::Error(platform::fromUtf8("Megszakítva, nem készült kimenet "
                                                     "(interrupted, nothing was written)"));
    }

private:
    struct sigaction savedInt_ {
    }, savedTerm_{};
};

// The table read, the window that fills in its rows, and the problems found so far.
struct Batch {
    BatchTable table;
    Forms forms;
    std::unique_ptr<CertificateBatch> certificates;
    std::vector<BatchProblem> problems;

    explicit Batch(const HeadlessRequest& request)
        : table(ParseBatchTable(
              QByteArray::fromStdString(platform::readWholeFile(request.batchFile))))
        , forms(CreateForms()) {
        TForm1& window = *forms.form1;
        // A row's preparation errors are listed with the row's other problems, not in a box.
        window.rpReport1.EngineOptions.SilentMode = true;
        certificates = std::make_unique<CertificateBatch>(window, table, request.fields);
        certificates->AllowTextThatDoesNotFit(request.allowOverflow);
        problems = certificates->HeaderProblems();
        if (table.rows.empty())
            throw platform::Error(platform::fromUtf8(
                "A táblázatban a fejlécen kívül nincs sor (the table has no row under its "
                "header)"));
    }

    TForm1& window() { return *forms.form1; }
    int rows() const { return certificates->RowCount(); }

    bool check(int index, bool append) {
        std::vector<BatchProblem> found = certificates->Prepare(index, append);
        problems.insert(problems.end(), found.begin(), found.end());
        return found.empty() && problems.empty();
    }

    // Writes every problem; true when there was none.
    bool report(std::ostream& err) const {
        for (const BatchProblem& problem : problems)
            err << local(DescribeProblem(problem, table.header)) << '\n';
        if (!problems.empty())
            err << local(hu("A táblázat hibái miatt nem készült kimenet (nothing was written "
                            "because of the problems of the table)"))
                << '\n';
        return problems.empty();
    }
};

int checkAllRows(Batch& batch, BatchProgress& progress, bool append, std::ostream& err) {
    for (int i = 0; i < batch.rows(); ++i) {
        batch.check(i, append);
        progress.Advance();
        InterruptGuard::throwIfInterrupted();
    }
    progress.Clear();
    return batch.report(err) ? 0 : 1;
}

int writeOnePdf(Batch& batch, const QString& path, std::ostream& err) {
    BatchProgress progress(batch.rows(), err, BatchProgress::StandardErrorIsTerminal());
    platform::AtomicFile file(path, platform::FileAccess::FollowUmask);
    // Many employees in one document: the title names the form, not a person.
    PdfDocument document(file.Device(), CertificatePdfTitle({}));
    // The rows are checked while the document grows; the file takes its place only when all of
    // them were good.
    for (int i = 0; i < batch.rows(); ++i) {
        if (batch.check(i, false))
            document.AddPages(batch.window().rpReport1.PreviewPages());
        progress.Advance();
        InterruptGuard::throwIfInterrupted();
    }
    progress.Clear();
    if (!batch.report(err))
        return 1;
    document.Finish();
    file.Commit();
    return 0;
}

int writePdfFolder(Batch& batch, const QString& folder, std::ostream& err) {
    BatchProgress progress(2 * batch.rows(), err, BatchProgress::StandardErrorIsTerminal());
    if (checkAllRows(batch, progress, false, err) != 0)
        return 1;
    if (!QDir().mkpath(folder))
        throw platform::Error(platform::toCp1250(
            hu("A mappa nem hozható létre (cannot create the folder): %1").arg(folder)));
    const BatchTable& table = batch.table;
    const int lastRow = table.rows.back().number;
    for (int i = 0; i < batch.rows(); ++i) {
        if (!batch.check(i, false)) {
            batch.report(err);
            return 1;
        }
        const QString file =
            BatchFileName(table.rows[i].number, lastRow, batch.window().Edit3->text());
        WritePreparedPagesToPdf(batch.window().rpReport1, QDir(folder).filePath(file),
                                CertificatePdfTitle(batch.window().Edit3->text()));
        progress.Advance();
        InterruptGuard::throwIfInterrupted();
    }
    return 0;
}

int printAll(Batch& batch, const QString& printer, std::ostream& err) {
    preview::TrpPrinters& printers = preview::TrpPrinters::Instance();
    if (!printer.isEmpty() && printers.IndexOf(platform::toCp1250(printer)) < 0)
        throw platform::Error(
            platform::toCp1250(hu("Nincs ilyen nyomtató (no such printer): %1").arg(printer)));
    BatchProgress progress(2 * batch.rows(), err, BatchProgress::StandardErrorIsTerminal());
    if (checkAllRows(batch, progress, false, err) != 0)
        return 1;
    report::TrpReport& report = batch.window().rpReport1;
    report.PrintOptions.ShowDialog = false;
    if (!printer.isEmpty())
        report.PrintOptions.Printer = platform::toCp1250(printer);
    BatchPages pages(*batch.certificates);
    pages.Interrupted = [] { return interrupted != 0; };
    pages.OnPrintProgress = [&](int) { progress.Advance(); };
    preview::RunPrintJob(pages, printers);
    progress.Clear();
    InterruptGuard::throwIfInterrupted();
    return 0;
}

} // namespace

int RunBatch(const HeadlessRequest& request, std::ostream& err) {
    try {
        InterruptGuard guard;
        Batch batch(request);
        if (!request.pdfFile.isEmpty())
            return writeOnePdf(batch, request.pdfFile, err);
        if (!request.pdfDir.isEmpty())
            return writePdfFolder(batch, request.pdfDir, err);
        return printAll(batch, request.printer, err);
    } catch (const std::exception& e) {
        err << local(platform::toUnicode(std::string(e.what()))) << '\n';
        return 1;
    }
}

int RunBatchPreview(const HeadlessRequest& request, std::ostream& err) {
    try {
        Batch batch(request);
        BatchProgress progress(batch.rows(), err, BatchProgress::StandardErrorIsTerminal());
        // The preview shows, searches, prints and saves the pages of one report: every row's
        // certificate is prepared after the ones before it.
        if (checkAllRows(batch, progress, true, err) != 0)
            return 1;
        preview::OpenPreview(batch.window().rpReport1,
                             preview::systemPreviewServices(controls::showErrorReport));
        if (!batch.window().rpReport1.PreviewOptions.Modal)
            return QApplication::exec();
        return 0;
    } catch (const std::exception& e) {
        err << local(platform::toUnicode(std::string(e.what()))) << '\n';
        return 1;
    }
}

} // namespace app
