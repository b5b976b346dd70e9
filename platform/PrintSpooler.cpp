#include "platform/PrintSpooler.h"

#include "platform/Cp1250.h"

#include <QFile>
#include <QPrinterInfo>
#include <algorithm>
#include <cups/cups.h>
#include <memory>

namespace platform {
namespace {

std::string lastCupsError() {
    return toCp1250(QString::fromUtf8(cupsLastErrorString()));
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
    const QByteArray name = printer.toUtf8();
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr),
        [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest)
        return {PrintQueueState::Unreachable, lastCupsError()};
    const auto option = [&dest](const char* key) {
        const char* value = cupsGetOption(key, dest->num_options, dest->options);
        return QString::fromUtf8(value ? value : "");
    };
    PrintQueueStatus status{PrintQueueState::Ready, toCp1250(option("printer-state-message"))};
    // printer-state: 3 idle, 4 processing, 5 stopped.
    if (option("printer-state") == QLatin1String("5"))
        status.state = PrintQueueState::Stopped;
    else if (option("printer-is-accepting-jobs") == QLatin1String("false"))
        status.state = PrintQueueState::Rejecting;
    return status;
}

std::optional<std::string> spoolPdfFile(const QString& printer, const QString& pdfPath,
                                        const std::string& title, const SpoolOptions& options) {
    int count = 0;
    cups_option_t* list = nullptr;
    const QByteArray copies = QByteArray::number(std::max(options.copies, 1));
    count = cupsAddOption("copies", copies.constData(), count, &list);
    if (options.copies > 1)
        count = cupsAddOption("multiple-document-handling",
                              options.collate ? "separate-documents-collated-copies"
                                              : "separate-documents-uncollated-copies",
                              count, &list);
    const QByteArray media = options.media.toUtf8();
    if (!media.isEmpty())
        count = cupsAddOption("media", media.constData(), count, &list);
    count = cupsAddOption("sides", sidesOption(options.duplex), count, &list);
    // Names and titles are UTF-8 for the spooler; the document name arrives as cp1250.
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(),
                                   QFile::encodeName(pdfPath).constData(),
                                   toUnicode(title).toUtf8().constData(), count, list);
    cupsFreeOptions(count, list);
    if (job == 0)
        return lastCupsError();
    return std::nullopt;
}

} // namespace platform
