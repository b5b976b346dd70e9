// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchPages.h"

#include "app/CertificateBatch.h"
#include "app/CertificateWindow.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "report/objects/RpPage.h"
#include "report/prepared/RpPreviewPages.h"

namespace app {

BatchPages::BatchPages(CertificateBatch& batch) : batch_(batch) {}

report::TrpReport& BatchPages::Report() {
    return batch_.Window().rpReport1;
}

int BatchPages::PageCount() const {
    return batch_.RowCount();
}

void BatchPages::prepare(int index) {
    if (batch_.PreparedIndex() == index && Report().PreviewPages().PageCount() == 1)
        return;
    const std::vector<BatchProblem> problems = batch_.Prepare(index, false);
    if (!problems.empty())
        throw platform::Error(
            platform::toCp1250(DescribeProblem(problems.front(), batch_.Table().header)));
}

report::TrpReportPage* BatchPages::RebuildPage(int index) {
    prepare(index);
    return dynamic_cast<report::TrpReportPage*>(Report().PreviewPages().RebuildPage(0));
}

void BatchPages::PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                           double offsetX, double offsetY) {
    prepare(index);
    Report().PreviewPages().PaintPage(0, canvas, scaleX, scaleY, offsetX, offsetY);
}

void BatchPages::DropPageCache() {
    Report().PreviewPages().DropCache();
}

void BatchPages::PrintProgress(int pageNumber) {
    if (OnPrintProgress)
        OnPrintProgress(pageNumber);
}

} // namespace app
