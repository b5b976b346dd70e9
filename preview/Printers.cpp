// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/Printers.h"

#include "preview/Printer.h"
#include "preview/VirtualPrinter.h"

#include "platform/Cp1250.h"
#include "preview/PrintSpooler.h"

namespace preview {

TrpPrinters& TrpPrinters::Instance() {
    static const std::unique_ptr<TrpPrinters> list = FromSpooler();
    return *list;
}

std::unique_ptr<TrpPrinters> TrpPrinters::FromSpooler() {
    std::vector<std::unique_ptr<TrpCustomPrinter>> printers;
    for (const InstalledPrinter& found : installedPrinters())
        printers.push_back(std::make_unique<TrpPrinter>(found.name, found.location));
    // The spooler names its default printer directly, so there is no profile entry to read.
    return std::make_unique<TrpPrinters>(std::move(printers),
                                         platform::toCp1250(defaultPrinterName()));
}

TrpPrinters::TrpPrinters(std::vector<std::unique_ptr<TrpCustomPrinter>> printers,
                         const std::string& defaultName)
    : printers_(std::move(printers)) {
    for (const auto& printer : printers_)
        names_.push_back(printer->Name());
    if (!printers_.empty()) {
        hasPhysicalPrinters_ = true;
        SetPrinterIndex(IndexOf(defaultName));
    } else {
        printers_.push_back(std::make_unique<TrpVirtualPrinter>());
        SetPrinterIndex(0);
    }
}

TrpPrinters::~TrpPrinters() = default;

std::string TrpPrinters::DefaultPrinterFromProfile(const std::string& device) {
    const std::string entry = device.substr(0, 79);
    return entry.substr(0, entry.find(','));
}

int TrpPrinters::IndexOf(const std::string& name) const {
    const QString wanted = platform::toUnicode(name);
    for (std::size_t i = 0; i < printers_.size(); ++i)
        if (QString::compare(platform::toUnicode(printers_[i]->Name()), wanted,
                             Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void TrpPrinters::SetPrinterIndex(int index) {
    printerIndex_ = index >= 0 && index < Count() ? index : -1;
    if (printerIndex_ != -1)
        printers_[printerIndex_]->Init();
}

TrpCustomPrinter* TrpPrinters::Printer() const {
    return printerIndex_ == -1 ? nullptr : printers_[printerIndex_].get();
}

} // namespace preview
