// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PrintQueue.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QUrl>
#include <cmath>
#include <gtest/gtest.h>

namespace printqueue {

ToolRun runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

bool available() {
    return !queue.isEmpty() && QPrinterInfo::availablePrinterNames().contains(queue);
}

std::string unavailableReason() {
    if (queue.isEmpty())
        return "no test print queue (./test.sh run as root starts one and names it in "
               "KF_PRINT_QUEUE)";
    return "the print queue \"" + queueName + "\" is not there";
}

void waitForQueue() {
    QElapsedTimer waited;
    waited.start();
    while (!runTool("lpstat", {"-W", "not-completed", "-o", queue}).output.trimmed().isEmpty()) {
        ASSERT_LT(waited.elapsed(), 60000) << "the print queue did not finish";
        QThread::msleep(100);
    }
}

QString latestJobAttributes() {
    const QStringList jobs =
        runTool("lpstat", {"-W", "completed", "-o", queue}).output.split('\n', Qt::SkipEmptyParts);
    if (jobs.isEmpty())
        return {};
    const QString id = jobs.last().section(' ', 0, 0).section('-', -1);
    // The private scheduler listens on a socket path, which the URI carries percent-encoded.
    const QString server =
        QString::fromUtf8(QUrl::toPercentEncoding(qEnvironmentVariable("CUPS_SERVER")));
    return runTool("ipptool", {"-tv", "ipp://" + server + "/jobs/" + id, "get-job-attributes.test"})
        .output;
}

QString outputFolder() {
    return qEnvironmentVariable("KF_PDF_OUT", QStringLiteral("/tmp/kf-pdf-out"));
}

QStringList outputsOf(const std::string& title) {
    QStringList files;
    const QRegularExpression name(
        QStringLiteral("^%1(__[^-]*)?-job_\\d+\\.pdf$")
            .arg(QRegularExpression::escape(QString::fromStdString(title))));
    for (const QFileInfo& file : QDir(outputFolder()).entryInfoList(QDir::Files))
        if (name.match(file.fileName()).hasMatch())
            files << file.absoluteFilePath();
    return files;
}

std::vector<QSizeF> pdfPageSizes(const QString& file) {
    const ToolRun info = runTool("pdfinfo", {"-f", "1", "-l", "9999", file});
    std::vector<QSizeF> sizes;
    static const QRegularExpression line(
        QStringLiteral(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)"));
    for (auto match = line.globalMatch(info.output); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

bool isA4(const QSizeF& points, bool landscape) {
    const QSizeF a4 = landscape ? QSizeF(842, 595) : QSizeF(595, 842);
    return std::abs(points.width() - a4.width()) < 1.5 &&
           std::abs(points.height() - a4.height()) < 1.5;
}

std::string uniqueTitle(const char* what) {
    static int counter = 0;
    return "kf" + std::string(what) + std::to_string(QCoreApplication::applicationPid()) + "n" +
           std::to_string(++counter);
}

} // namespace printqueue
