// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PrintSpooler.h"

#include "platform/Cp1250.h"
#include "preview/CupsLibrary.h"

#include <QFile>
#include <QPrinterInfo>
#include <algorithm>
#include <memory>

namespace preview {
namespace {

// Said when the spooler's client library is not installed.
std::string noCupsLibrary() {
    return platform::fromUtf8("A nyomtatási rendszer (CUPS) ügyfélkönyvtára nincs telepítve");
}

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

} // namespace

std::vector<InstalledPrinter> installedPrinters() {
    std::vector<InstalledPrinter> printers;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        printers.push_back({info.printerName(), info.location()});
    return printers;
}

QString defaultPrinterName() {
    return QPrinterInfo::defaultPrinterName();
}

PrintQueueStatus printQueueStatus(const QString& printer) {
    const CupsLibrary* cups = CupsLibrary::get();
    if (!cups)
        return {PrintQueueState::Unreachable, noCupsLibrary()};
    const QByteArray name = printer.toUtf8();
    const auto freeDest = [cups](cups_dest_t* d) { cups->freeDests(1, d); };
    const std::unique_ptr<cups_dest_t, decltype(freeDest)> dest(
        cups->getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr), freeDest);
    if (!dest)
        return {PrintQueueState::Unreachable, lastCupsError(*cups)};
    const auto option = [&dest, cups](const char* key) {
        const char* value = cups->getOption(key, dest->num_options, dest->options);
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
    const CupsLibrary* cups = CupsLibrary::get();
    if (!cups)
        return noCupsLibrary();
    int count = 0;
    cups_option_t* list = nullptr;
    const QByteArray copies = QByteArray::number(std::max(options.copies, 1));
    count = cups->addOption("copies", copies.constData(), count, &list);
    if (options.copies > 1)
        count = cups->addOption("multiple-document-handling",
                                options.collate ? "separate-documents-collated-copies"
                                                : "separate-documents-uncollated-copies",
                                count, &list);
    const QByteArray media = options.media.toUtf8();
    if (!media.isEmpty())
        count = cups->addOption("media", media.constData(), count, &list);
    count = cups->addOption("sides", sidesOption(options.duplex), count, &list);
    // A queue left at a lower default would turn every glyph into a bitmap of its resolution.
    // IPP queues read printer-resolution, driver (PPD) queues their Resolution option.
    if (options.resolution > 0) {
        const QByteArray dpi = QByteArray::number(options.resolution) + "dpi";
        count = cups->addOption("printer-resolution", dpi.constData(), count, &list);
        count = cups->addOption("Resolution", dpi.constData(), count, &list);
    }
    // Names and titles are UTF-8 for the spooler; the document name arrives as cp1250.
    const int job = cups->printFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(),
                                     QFile::encodeName(pdfPath).constData(),
                                     platform::toUnicode(title).toUtf8().constData(), count, list);
    cups->freeOptions(count, list);
    if (job == 0)
        return lastCupsError(*cups);
    return std::nullopt;
}

} // namespace preview
