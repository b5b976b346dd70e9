// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PrintSpooler.h"

#include "platform/Cp1250.h"
#include "preview/CupsLibrary.h"
#include "preview/SpoolerConnection.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QThread>
#include <algorithm>
#include <memory>

namespace preview {
namespace {

std::string lastCupsError(const CupsLibrary& cups) {
    return platform::toCp1250(QString::fromUtf8(cups.lastErrorString()));
}

const char* sidesOption(int duplex) {
    switch (duplex) {
    case 2:
        return "two-sided-long-edge";
    case 3:
        return "two-sided-short-edge";
    default:
        return "one-sided";
    }
}

// Follows the job after its document was sent until the scheduler holds all of it: pending,
// held, processing, stopped or completed, and no longer receiving. A connection cut while the
// document was on its way leaves the job "job-incoming" for ever, or aborted.
bool jobReachedTheQueue(const SpoolerConnection& connection, int job) {
    const CupsLibrary& cups = connection.cups();
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(job);
    static const char* const wanted[] = {"job-state", "job-state-reasons"};
    QDeadlineTimer deadline(kSpoolerWaitMs);
    while (!deadline.hasExpired()) {
        ipp_t* request = cups.newRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        cups.addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr,
                       uri.constData());
        cups.addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2,
                        nullptr, wanted);
        ipp_t* answer = cups.doRequest(connection.http(), request, "/");
        if (!answer)
            return false;
        ipp_attribute_t* state = cups.findAttribute(answer, "job-state", IPP_TAG_ENUM);
        ipp_attribute_t* reasons = cups.findAttribute(answer, "job-state-reasons", IPP_TAG_KEYWORD);
        const int value = state ? cups.getInteger(state, 0) : 0;
        bool incoming = false;
        for (int i = 0; reasons && i < cups.getCount(reasons); ++i)
            incoming |= qstrcmp(cups.getString(reasons, i, nullptr), "job-incoming") == 0;
        cups.deleteIpp(answer);
        if (value == IPP_JSTATE_CANCELED || value == IPP_JSTATE_ABORTED || value == 0)
            return false;
        if (!incoming)
            return true;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        QThread::msleep(50);
    }
    return false;
}

} // namespace

std::optional<std::string> spoolerProblem() {
    SpoolerConnection::Failure why;
    if (SpoolerConnection::open(why))
        return std::nullopt;
    return SpoolerConnection::message(why);
}

// Qt asks the scheduler with the library's unbounded waits: only once it has just answered.
std::vector<InstalledPrinter> installedPrinters() {
    std::vector<InstalledPrinter> printers;
    if (spoolerProblem())
        return printers;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        printers.push_back({info.printerName(), info.location()});
    return printers;
}

QString defaultPrinterName() {
    return spoolerProblem() ? QString() : QPrinterInfo::defaultPrinterName();
}

PrintQueueStatus printQueueStatus(const QString& printer) {
    SpoolerConnection::Failure why;
    const auto connection = SpoolerConnection::open(why);
    if (!connection)
        return {PrintQueueState::Unreachable, SpoolerConnection::message(why)};
    const CupsLibrary& cups = connection->cups();
    const QByteArray name = printer.toUtf8();
    const auto freeDest = [&cups](cups_dest_t* d) { cups.freeDests(1, d); };
    const std::unique_ptr<cups_dest_t, decltype(freeDest)> dest(
        cups.getNamedDest(connection->http(), name.constData(), nullptr), freeDest);
    if (!dest)
        return {PrintQueueState::Unreachable,
                connection->timedOut()
                    ? SpoolerConnection::message(SpoolerConnection::Failure::NotAnswering)
                    : lastCupsError(cups)};
    const auto option = [&dest, &cups](const char* key) {
        const char* value = cups.getOption(key, dest->num_options, dest->options);
        return QString::fromUtf8(value ? value : "");
    };
    PrintQueueStatus status{PrintQueueState::Ready,
                            platform::toCp1250(option("printer-state-message"))};
    // printer-state: 3 idle, 4 processing, 5 stopped.
    if (option("printer-state") == QLatin1String("5"))
        status.state = PrintQueueState::Stopped;
    else if (option("printer-is-accepting-jobs") == QLatin1String("false"))
        status.state = PrintQueueState::Rejecting;
    return status;
}

std::optional<std::string> spoolPdfFile(const QString& printer, const QString& pdfPath,
                                        const std::string& title, const SpoolOptions& options) {
    QFile document(pdfPath);
    if (!document.open(QIODevice::ReadOnly))
        return platform::toCp1250(document.errorString());
    SpoolerConnection::Failure why;
    const auto connection = SpoolerConnection::open(why);
    if (!connection)
        return SpoolerConnection::message(why);
    const CupsLibrary& cups = connection->cups();
    http_t* http = connection->http();
    // What went wrong: the scheduler's silence, or its own reason.
    const auto failure = [&] {
        if (connection->timedOut())
            return SpoolerConnection::message(SpoolerConnection::Failure::NotAnswering);
        // A connection that broke leaves the library no reason of the scheduler's, only its own.
        return cups.lastError() > IPP_STATUS_OK_CONFLICTING &&
                       cups.lastError() != IPP_STATUS_ERROR_INTERNAL
                   ? lastCupsError(cups)
                   : platform::fromUtf8("megszakadt a kapcsolat a nyomtatási szolgáltatással (the "
                                        "connection to the print service broke)");
    };

    int count = 0;
    cups_option_t* list = nullptr;
    const QByteArray copies = QByteArray::number(std::max(options.copies, 1));
    count = cups.addOption("copies", copies.constData(), count, &list);
    if (options.copies > 1)
        count = cups.addOption("multiple-document-handling",
                               options.collate ? "separate-documents-collated-copies"
                                               : "separate-documents-uncollated-copies",
                               count, &list);
    const QByteArray media = options.media.toUtf8();
    if (!media.isEmpty())
        count = cups.addOption("media", media.constData(), count, &list);
    count = cups.addOption("sides", sidesOption(options.duplex), count, &list);
    // A queue left at a lower default would turn every glyph into a bitmap of its resolution.
    // IPP queues read printer-resolution, driver (PPD) queues their Resolution option.
    if (options.resolution > 0) {
        const QByteArray dpi = QByteArray::number(options.resolution) + "dpi";
        count = cups.addOption("printer-resolution", dpi.constData(), count, &list);
        count = cups.addOption("Resolution", dpi.constData(), count, &list);
    }
    // Names and titles are UTF-8 for the spooler; the document name arrives as cp1250.
    const QByteArray queue = printer.toUtf8();
    const QByteArray name = platform::toUnicode(title).toUtf8();
    const int job = cups.createJob(http, queue.constData(), name.constData(), count, list);
    cups.freeOptions(count, list);
    if (job == 0)
        return failure();

    // The document, piece by piece: each piece is a bounded wait of its own.
    bool sent = cups.startDocument(http, queue.constData(), job, name.constData(), CUPS_FORMAT_AUTO,
                                   1) == HTTP_STATUS_CONTINUE;
    while (sent && !document.atEnd()) {
        const QByteArray piece = document.read(1 << 16);
        sent = !piece.isEmpty() &&
               cups.writeRequestData(http, piece.constData(), piece.size()) == HTTP_STATUS_CONTINUE;
    }
    const ipp_status_t finished = cups.finishDocument(http, queue.constData());
    std::optional<std::string> refused;
    // The job is followed on a fresh connection: after a cut or a wait that ran out, the library
    // would send what it still holds of the document again on the one it reopens.
    std::unique_ptr<SpoolerConnection> follow;
    if (!sent || finished > IPP_STATUS_OK_CONFLICTING || connection->timedOut())
        refused = failure();
    else if (!(follow = SpoolerConnection::open(why)))
        refused = SpoolerConnection::message(why);
    else if (!jobReachedTheQueue(*follow, job))
        refused = follow->timedOut()
                      ? SpoolerConnection::message(SpoolerConnection::Failure::NotAnswering)
                      : platform::fromUtf8("a nyomtatási rendszer nem kapta meg a teljes "
                                           "dokumentumot (the spooler did not get the whole "
                                           "document)");
    // Nothing half-sent may print later, nor wait in the queue as a job that is still coming. The
    // connection that failed may be stuck: a fresh one asks.
    if (refused) {
        if (const auto fresh = SpoolerConnection::open(why))
            cups.cancelJob(fresh->http(), queue.constData(), job, 1);
    }
    return refused;
}

} // namespace preview
