// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/VirtualPrinter.h"

#include "report/common/RpResources.h"
#include "report/objects/RpPaperSizes.h"

#include <utility>

namespace preview {
namespace {

// The paper table's codes in table order, each without a name.
std::vector<TrpPrinterListItem> paperTableCodes() {
    std::vector<TrpPrinterListItem> codes;
    for (int code = 1; code < customPaper; ++code) {
        double width = 0;
        double height = 0;
        if (report::PaperSizeOf(code, width, height))
            codes.push_back({std::string(), code});
    }
    return codes;
}

} // namespace

TrpVirtualPrinter::TrpVirtualPrinter()
    : TrpCustomPrinter(report::rpResource("prVirtual"), std::string()) {}

void TrpVirtualPrinter::Init() {
    if (initialized_)
        return;
    resolutionX_ = resolutionY_ = 600;
    defPaper_ = paper_ = 9;
    defOrientation_ = orientation_ = report::poPortrait;
    defPaperWidth_ = paperWidth_ = 210;
    defPaperHeight_ = paperHeight_ = 297;
    bin_ = defaultBin;
    SetDriverLists(paperTableCodes(), {});
    initialized_ = true;
}

void TrpVirtualPrinter::SelectPaper(int code, double widthMm, double heightMm,
                                    report::TrpPageOrientation orientation) {
    // A code the table does not know keeps the given size, which already has its orientation.
    if (code != customPaper && report::PaperSizeOf(code, widthMm, heightMm) &&
        orientation == report::poLandscape)
        std::swap(widthMm, heightMm);
    paperWidth_ = widthMm;
    paperHeight_ = heightMm;
    paper_ = code;
    orientation_ = orientation;
}

void TrpVirtualPrinter::ApplyPageSettings(int code, double widthMm, double heightMm,
                                          report::TrpPageOrientation orientation, int bin,
                                          int /*copies*/, int /*duplex*/) {
    SelectPaper(code, widthMm, heightMm, orientation);
    bin_ = bin;
}

} // namespace preview
