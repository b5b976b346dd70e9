// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real print queue of the printing tests: a cups-pdf queue, named in KF_PRINT_QUEUE, of a
// private scheduler (CUPS_SERVER) that is its default printer and writes every job it receives
// as a PDF into KF_PDF_OUT (./test.sh as root starts it, scripts/print-queue.sh), and the
// command-line tools that read what arrived.
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace printqueue {

inline const QString queue = qEnvironmentVariable("KF_PRINT_QUEUE");
inline const std::string queueName = queue.toStdString(); // ASCII, as the spooler's names are

struct ToolRun {
    int exitCode = -1;
    QString output;
};

// Runs a program to its end (at most 30 s); exit code -1 when it could not run or was killed.
ToolRun runTool(const QString& program, const QStringList& arguments);

// Whether the queue is installed (false: the test skips, saying why).
bool available();
std::string unavailableReason();

// Waits until the queue has no job left to process (the PDF is complete then).
void waitForQueue();

QString outputFolder();

// What the scheduler keeps of the queue's latest job, in ipptool's words: one
// "name (type) = value" line per attribute. Empty when ipptool is not installed.
QString latestJobAttributes();

// The PDFs cups-pdf wrote for jobs of that title: "<title>-job_<n>.pdf", though it sometimes
// puts a few characters of its own after the title.
QStringList outputsOf(const std::string& title);

// Page sizes in points, one per page.
std::vector<QSizeF> pdfPageSizes(const QString& file);

bool isA4(const QSizeF& points, bool landscape = false);

// A title no other job of this test run has.
std::string uniqueTitle(const char* what);

} // namespace printqueue
