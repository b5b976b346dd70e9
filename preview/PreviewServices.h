#pragma once
// Where the preview meets the print job and the printer list: the system's printers and
// RunPrintJob, unless a test puts something else in their place (setPreviewPrinting).
#include <functional>

namespace preview {

class TrpPreview;

struct PreviewPrinting {
    // True when at least one real printer (not the virtual one) is installed.
    std::function<bool()> HasRealPrinters;
    // The print job over the view's prepared pages (view.Pages()). The job takes "the current
    // page" from view.CurrentPage(), locks the view with view.FreezeView() once its dialog was
    // accepted, calls view.ShowPrintProgress(n) before each page and stops when the store's
    // StopRequested is set (the progress panel's cancel button sets it). It lets pending window
    // messages run after each page. Failures are raised; the view unlocks itself either way.
    std::function<void(TrpPreview& view)> RunPrintJob;
};

// The hooks in force.
const PreviewPrinting& previewPrinting();
// Puts hooks in place (empty members take the system's); returns the previous ones.
PreviewPrinting setPreviewPrinting(PreviewPrinting printing);

} // namespace preview
