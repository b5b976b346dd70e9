// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the print job needs of prepared pages: how many there are, each page rebuilt (for its
// paper), drawn onto a canvas at a scale and offset, the page cache dropped after each printed
// page, whether the user asked to stop, and where to report progress. The prepared-pages store
// provides it; the job does not depend on how the pages are kept.
#include <string>

namespace platform {
class Canvas;
}

namespace report {
class TrpReport;
class TrpReportPage;
} // namespace report

namespace preview {

class PrintablePages {
public:
    virtual ~PrintablePages() = default;

    // The report whose PrintOptions and ReportOptions the job reads.
    virtual report::TrpReport& Report() = 0;
    // The report's file name, which names the document when ReportOptions.Name is empty.
    virtual std::string ReportFileName() const = 0;

    virtual int PageCount() const = 0;
    // The page rebuilt as objects; valid until the next page request. None when there are no
    // pages.
    virtual report::TrpReportPage* RebuildPage(int index) = 0;
    // Draws the page: device = report units x scale + offset, the offset naming where the
    // paper's top-left corner lies.
    virtual void PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                           double offsetX, double offsetY) = 0;
    virtual void DropPageCache() = 0;

    // Set by the preview's cancel control while the job lets pending window messages run.
    virtual bool StopRequested() const = 0;
    // The 1-based number of the page the preview shows.
    virtual int CurrentPage() const = 0;
    // The host's print-progress notification, called with the number of each page about to be
    // printed.
    virtual void PrintProgress(int pageNumber) = 0;
};

} // namespace preview
