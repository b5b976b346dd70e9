#include "preview/PreviewPrinting.h"

#include "platform/Error.h"

namespace preview {
namespace {

[[noreturn]] void notConnected(const char* what) {
    throw platform::Error(std::string("Preview: ") + what + " is not connected");
}

PreviewPrinting withDefaults(PreviewPrinting printing) {
    if (!printing.HasRealPrinters)
        printing.HasRealPrinters = []() -> bool { notConnected("the printer list"); };
    if (!printing.RunPrintJob)
        printing.RunPrintJob = [](TrpPreview&) { notConnected("the print job"); };
    return printing;
}

PreviewPrinting& connected() {
    static PreviewPrinting printing = withDefaults({});
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
