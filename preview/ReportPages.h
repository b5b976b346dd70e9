// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A report's prepared pages as the print job sees them.
#include "preview/PrintablePages.h"

#include <functional>

namespace preview {

class ReportPages : public PrintablePages {
public:
    explicit ReportPages(report::TrpReport& report, std::string fileName = {});

    // The page the preview shows (1-based) and the host's progress notification; without them
    // the first page counts as current and progress goes nowhere.
    std::function<int()> CurrentPageNumber;
    std::function<void(int pageNumber)> OnPrintProgress;

    report::TrpReport& Report() override { return report_; }
    std::string ReportFileName() const override { return fileName_; }
    int PageCount() const override;
    report::TrpReportPage* RebuildPage(int index) override;
    void PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                   double offsetX, double offsetY) override;
    void DropPageCache() override;
    bool StopRequested() const override;
    int CurrentPage() const override { return CurrentPageNumber ? CurrentPageNumber() : 1; }
    void PrintProgress(int pageNumber) override;

private:
    report::TrpReport& report_;
    std::string fileName_;
};

} // namespace preview
