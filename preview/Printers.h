// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of printers with one current printer. The program uses one list for its whole run
// (Instance): created on first use from the spooler's printers with the default printer current,
// or holding only the virtual printer "Virtuális" when none is installed. Printers installed later
// are not seen.
#include "preview/CustomPrinter.h"

#include <memory>
#include <string>
#include <vector>

namespace preview {

class TrpPrinters {
public:
    static TrpPrinters& Instance();
    // A new list over the spooler's printers as they are now.
    static std::unique_ptr<TrpPrinters> FromSpooler();
    // A list over the given printers, the one named defaultName current (none when it is not
    // among them); with no printers, the virtual printer alone, current.
    TrpPrinters(std::vector<std::unique_ptr<TrpCustomPrinter>> printers,
                const std::string& defaultName);
    ~TrpPrinters();
    TrpPrinters(const TrpPrinters&) = delete;
    TrpPrinters& operator=(const TrpPrinters&) = delete;

    // The printer name of a profile entry "name,driver,port" (at most 79 characters are read).
    static std::string DefaultPrinterFromProfile(const std::string& device);

    bool HasPhysicalPrinters() const { return hasPhysicalPrinters_; }
    // The real printers' names in list order; the virtual printer is not among them.
    const std::vector<std::string>& PrinterNames() const { return names_; }
    int Count() const { return static_cast<int>(printers_.size()); }
    TrpCustomPrinter& At(int index) const { return *printers_.at(index); }
    // The first printer whose name equals the text ignoring letter case, or -1.
    int IndexOf(const std::string& name) const;

    int PrinterIndex() const { return printerIndex_; }
    // Stores the index and initialises that printer; an index outside the list makes no printer
    // current.
    void SetPrinterIndex(int index);
    // The current printer; none when PrinterIndex is -1.
    TrpCustomPrinter* Printer() const;

private:
    std::vector<std::unique_ptr<TrpCustomPrinter>> printers_;
    std::vector<std::string> names_;
    int printerIndex_ = -1;
    bool hasPhysicalPrinters_ = false;
};

} // namespace preview
