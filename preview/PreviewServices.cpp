#include "preview/PreviewServices.h"

#include "preview/Preview.h"
#include "preview/PrintJob.h"
#include "preview/Printers.h"
#include "preview/ReportPages.h"

namespace preview {
namespace {

// The system's printers and the print job over the view's report.
PreviewPrinting systemPrinting() {
    PreviewPrinting printing;
    printing.HasRealPrinters = [] { return TrpPrinters::Instance().HasPhysicalPrinters(); };
    printing.RunPrintJob = [](TrpPreview& view) {
        ReportPages pages(*view.Report());
        pages.CurrentPageNumber = [&view] { return view.CurrentPage(); };
        pages.OnPrintProgress = [&view](int pageNumber) { view.ShowPrintProgress(pageNumber); };
        RunPrintJob(pages);
    };
    return printing;
}

PreviewPrinting withDefaults(PreviewPrinting printing) {
    PreviewPrinting system = systemPrinting();
    if (!printing.HasRealPrinters)
        printing.HasRealPrinters = std::move(system.HasRealPrinters);
    if (!printing.RunPrintJob)
        printing.RunPrintJob = std::move(system.RunPrintJob);
    return printing;
}

PreviewPrinting& connected() {
    static PreviewPrinting printing = systemPrinting();
    return printing;
}

} // namespace

const PreviewPrinting& previewPrinting() {
    return connected();
}

PreviewPrinting setPreviewPrinting(PreviewPrinting printing) {
    PreviewPrinting previous = connected();
    connected() = withDefaults(std::move(printing));
    return previous;
}

} // namespace preview
