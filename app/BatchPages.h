// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificates of a batch as one print job of one page per row. Only one row's certificate is
// prepared at a time, when the job asks for its page, so the job's memory does not grow with the
// rows.
#include "preview/PrintablePages.h"

#include <functional>

namespace app {

class CertificateBatch;

class BatchPages : public preview::PrintablePages {
public:
    // The rows must have been checked: a row that fails now raises platform::Error.
    explicit BatchPages(CertificateBatch& batch);

    // Asked between pages: a true answer makes the job abort the document.
    std::function<bool()> Interrupted;
    // Called with the number of each page about to be printed.
    std::function<void(int pageNumber)> OnPrintProgress;

    report::TrpReport& Report() override;
    std::string ReportFileName() const override { return {}; }
    int PageCount() const override;
    report::TrpReportPage* RebuildPage(int index) override;
    void PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                   double offsetX, double offsetY) override;
    void DropPageCache() override;
    bool StopRequested() const override { return Interrupted && Interrupted(); }
    int CurrentPage() const override { return 1; }
    void PrintProgress(int pageNumber) override;

private:
    void prepare(int index);

    CertificateBatch& batch_;
};

} // namespace app
