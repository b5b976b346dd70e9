// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the preview takes from the program around it: whether real printers are installed, the
// print job, and the application's standard error report, which the preview cannot show itself
// (that box is one of the controls' Widgets services). The program passes the system's printers
// and print job with its own error report; tests pass their own.
#include <functional>
#include <string>

namespace preview {

class TrpPreview;

struct PreviewServices {
    // True when at least one real printer (not the virtual one) is installed.
    std::function<bool()> HasRealPrinters;
    // The print job over the view's prepared pages (view.Pages()). The job takes "the current
    // page" from view.CurrentPage(), locks the view with view.FreezeView() once its dialog was
    // accepted, calls view.ShowPrintProgress(n) before each page and stops when the store's
    // StopRequested is set (the progress panel's cancel button sets it). It lets pending window
    // messages run after each page. Failures are raised; the view unlocks itself either way.
    std::function<void(TrpPreview& view)> RunPrintJob;
    // Shows the message (code page 1250) of a command that failed; the program goes on.
    std::function<void(const std::string& message)> ShowError;
    // Why no real printer is listed when the print service is not running or does not answer
    // (code page 1250); empty when it answers. Not set: nothing more to say.
    std::function<std::string()> NoPrinterReason;
};

// The system's printers (TrpPrinters::Instance()) and RunPrintJob over the view's report, with
// the given error report. documentName (code page 1250) names the print jobs of a report that has
// no name of its own.
PreviewServices systemPreviewServices(std::function<void(const std::string&)> showError,
                                      std::string documentName = {});

} // namespace preview
