// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's print spooler (CUPS): which printers exist, which one is the default, whether a
// queue takes jobs now, and handing it a finished document. Enumeration goes through Qt's
// QPrinterInfo; queue state and job submission talk to CUPS itself, because Qt's own CUPS engine
// can neither abort a document (it always spools what was drawn) nor tell whether the spooler
// took the job.
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace preview {

struct InstalledPrinter {
    QString name;     // the queue's name as the spooler knows it
    QString location; // where the printer stands, as its administrator described it
};

// The user's message (code page 1250) when no scheduler runs or it does not answer in a few
// seconds; nothing when it answers.
std::optional<std::string> spoolerProblem();

// In the spooler's order; empty when no scheduler answers.
std::vector<InstalledPrinter> installedPrinters();
// The user's default printer; empty when there is none.
QString defaultPrinterName();

enum class PrintQueueState {
    Ready,       // takes jobs and prints them
    Stopped,     // takes jobs but holds them
    Rejecting,   // refuses new jobs
    Unreachable, // no scheduler, or no such queue
};

struct PrintQueueStatus {
    PrintQueueState state = PrintQueueState::Unreachable;
    std::string reason; // the spooler's own explanation (code page 1250), may be empty
};

PrintQueueStatus printQueueStatus(const QString& printer);

struct SpoolOptions {
    int copies = 1;
    bool collate = true; // only matters with more than one copy
    QString media;       // the spooler's paper name ("A4", "Custom.100x150mm"); empty: its default
    int duplex = 1;      // 1 one-sided, 2 long edge (vertical), 3 short edge (horizontal)
    int resolution = 0;  // dots per inch the job was drawn for; 0: the queue's default
};

// Hands a finished PDF file to the queue and follows the job until the scheduler holds the whole
// document; no wait lasts more than a few seconds. Returns the reason (code page 1250) when the
// job did not get there, and then cancels what was sent.
std::optional<std::string> spoolPdfFile(const QString& printer, const QString& pdfPath,
                                        const std::string& title, const SpoolOptions& options);

} // namespace preview
