#pragma once
// Where the preview meets the print job and the printer list. Both live beside the preview in
// this library and are connected once by the program (setPreviewPrinting) when it starts. Until
// then the print button and Ctrl+P fail with a clear "not connected" error instead of printing
// nothing.
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

// The connected hooks; unconnected ones raise platform::Error.
const PreviewPrinting& previewPrinting();
// Connects the hooks (empty members stay unconnected); returns the previous ones.
PreviewPrinting setPreviewPrinting(PreviewPrinting printing);

} // namespace preview
