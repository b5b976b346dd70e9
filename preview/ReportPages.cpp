// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/ReportPages.h"

#include "report/RpReport.h"
#include "report/objects/RpPage.h"
#include "report/prepared/RpPreviewPages.h"

namespace preview {

ReportPages::ReportPages(report::TrpReport& report, std::string fileName)
    : report_(report)
    , fileName_(std::move(fileName)) {}

int ReportPages::PageCount() const {
    return report_.PreviewPages().PageCount();
}

report::TrpReportPage* ReportPages::RebuildPage(int index) {
    return dynamic_cast<report::TrpReportPage*>(report_.PreviewPages().RebuildPage(index));
}

void ReportPages::PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                            double offsetX, double offsetY) {
    report_.PreviewPages().PaintPage(index, canvas, scaleX, scaleY, offsetX, offsetY);
}

void ReportPages::DropPageCache() {
    report_.PreviewPages().DropCache();
}

bool ReportPages::StopRequested() const {
    return report_.PreviewPages().StopRequested;
}

void ReportPages::PrintProgress(int pageNumber) {
    if (OnPrintProgress)
        OnPrintProgress(pageNumber);
}

} // namespace preview
