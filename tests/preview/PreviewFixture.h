// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prepared reports for the preview's tests: A4 pages with margins like the certificate's, text
// objects placed on them, prepared before any window opens (as the program does), and a preview
// whose desk has a chosen client size.
#include "preview/Preview.h"
#include "preview/PreviewServices.h"
#include "preview/PreviewWorkspace.h"

#include "report/RpReport.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"
#include "report/prepared/RpPreviewPages.h"

#include "platform/Cp1250.h"

#include <QApplication>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

struct PreviewReport {
    report::TrpReport report;
    std::vector<report::TrpReportPage*> pages;

    explicit PreviewReport(int pageCount = 1) {
        for (int i = 0; i < pageCount; ++i) {
            auto* page = report::rpCreate<report::TrpReportPage>(&report);
            page->LeftMargin = 22;
            page->RightMargin = 20;
            page->TopMargin = 10;
            page->BottomMargin = 25;
            pages.push_back(page);
        }
    }

    report::TrpMemoView* memo(int page, double left, double top, const std::string& utf8) {
        auto* m = report::rpCreate<report::TrpMemoView>(pages.at(static_cast<size_t>(page)));
        m->SetBounds(left, top, 300, 20);
        m->Memo = {platform::fromUtf8(utf8)};
        return m;
    }

    void prepare() { ASSERT_TRUE(report.BuildPreparedPages(true)); }
};

// The program's side of the preview in a test: the system's printers and print job unless the
// test puts its own in their place, and a record of the errors the preview reported. It must
// outlive the windows given its services.
struct TestServices {
    std::function<bool()> hasRealPrinters;
    std::function<void(preview::TrpPreview&)> runPrintJob;
    std::function<std::string()> noPrinterReason;
    std::vector<std::string> errors;

    preview::PreviewServices services() {
        const preview::PreviewServices system = preview::systemPreviewServices({});
        return {[this, system] {
                    return hasRealPrinters ? hasRealPrinters() : system.HasRealPrinters();
                },
                [this, system](preview::TrpPreview& view) {
                    runPrintJob ? runPrintJob(view) : system.RunPrintJob(view);
                },
                [this](const std::string& message) { errors.push_back(message); },
                [this] { return noPrinterReason ? noPrinterReason() : std::string(); }};
    }
};

// Gives the view's desk exactly this client size (the frame comes on top), with the view shown.
inline void setClientSize(preview::TrpPreview& view, int width, int height) {
    preview::TrpPreviewWorkspace& desk = *view.Workspace();
    view.resize(width + 40, height + 40);
    view.show();
    for (int round = 0; round < 4; ++round) {
        QApplication::processEvents();
        const int dw = width - desk.ClientWidth(), dh = height - desk.ClientHeight();
        if (dw == 0 && dh == 0)
            return;
        view.resize(view.width() + dw, view.height() + dh);
    }
    QApplication::processEvents();
}
