// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewServices.h"

#include "preview/Preview.h"
#include "preview/PrintJob.h"
#include "preview/PrintSpooler.h"
#include "preview/Printers.h"
#include "preview/ReportPages.h"

namespace preview {

PreviewServices systemPreviewServices(std::function<void(const std::string&)> showError,
                                      std::string documentName) {
    PreviewServices services;
    services.HasRealPrinters = [] { return TrpPrinters::Instance().HasPhysicalPrinters(); };
    services.RunPrintJob = [documentName = std::move(documentName)](TrpPreview& view) {
        ReportPages pages(*view.Report(), documentName);
        pages.CurrentPageNumber = [&view] { return view.CurrentPage(); };
        pages.OnPrintProgress = [&view](int pageNumber) { view.ShowPrintProgress(pageNumber); };
        RunPrintJob(pages);
    };
    services.ShowError = std::move(showError);
    services.NoPrinterReason = [] { return spoolerProblem().value_or(std::string()); };
    return services;
}

} // namespace preview
