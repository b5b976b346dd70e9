// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer that stands in when none is installed: fixed A4 values at 600 dpi so that page
// layout still works, the paper table as its paper list, and nothing to print on.
#include "preview/CustomPrinter.h"

namespace preview {

class TrpVirtualPrinter : public TrpCustomPrinter {
public:
    // Named "Virtuális".
    TrpVirtualPrinter();

    void Init() override;
    // Takes the size from the paper table (code 256: the given size), turned for landscape.
    void SelectPaper(int code, double widthMm, double heightMm,
                     report::TrpPageOrientation orientation) override;
    // SelectPaper, and keeps the bin.
    void ApplyPageSettings(int code, double widthMm, double heightMm,
                           report::TrpPageOrientation orientation, int bin, int copies,
                           int duplex) override;
};

} // namespace preview
