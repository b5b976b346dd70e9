// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prepared pages for the print job's tests: A4 report pages with the certificate's margins, each
// drawn as a frame, a rule and the text "Próbaoldal <n>", keeping count of what the job asked.
#include "preview/PrintablePages.h"

#include "report/RpReport.h"

#include <vector>

class TestPages : public preview::PrintablePages {
public:
    explicit TestPages(int pageCount);

    report::TrpReportPage& page(int index) { return *report_.Pages().at(index); }

    report::TrpReport& Report() override { return report_; }
    std::string ReportFileName() const override { return fileName; }
    int PageCount() const override { return static_cast<int>(report_.Pages().size()); }
    report::TrpReportPage* RebuildPage(int index) override;
    void PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                   double offsetX, double offsetY) override;
    void DropPageCache() override { ++cacheDrops; }
    bool StopRequested() const override {
        return stopAfterPages >= 0 && static_cast<int>(painted.size()) >= stopAfterPages;
    }
    int CurrentPage() const override { return currentPage; }
    void PrintProgress(int pageNumber) override { progress.push_back(pageNumber); }

    // Where the frame's top-left corner lands for a scale and offset.
    static platform::Point frameCorner(const report::TrpReportPage& page, double scaleX,
                                       double scaleY, double offsetX, double offsetY);

    std::string fileName;
    int currentPage = 1;
    int stopAfterPages = -1;  // StopRequested once this many pages were drawn
    std::vector<int> painted; // page indexes in drawing order
    std::vector<int> progress;
    int cacheDrops = 0;

private:
    report::TrpReport report_;
};
