// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A report shaped like the certificate: one A4 page with margins 22/20/10/25 mm and objects lying
// directly on it, a host handler answering bracketed names from a table, and an error box that
// records what it would show.
#include "report/RpReport.h"
#include "report/engine/RpErrorBox.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"
#include "report/prepared/RpPreviewPages.h"

#include <map>
#include <string>
#include <vector>

struct ShownBox {
    std::string caption;
    std::string text;
};

struct PreparedReport {
    report::TrpReport report;
    report::TrpReportPage* page = report::rpCreate<report::TrpReportPage>(&report);
    std::map<std::string, std::string> answers;
    std::vector<ShownBox> boxes;

    PreparedReport() {
        page->LeftMargin = 22;
        page->RightMargin = 20;
        page->TopMargin = 10;
        page->BottomMargin = 25;
        report.OnGetValue = [this](const std::string& name, report::TrpVariant& value) {
            if (const auto it = answers.find(name); it != answers.end())
                value = it->second;
        };
        report.ErrorBox = [this](const std::string& caption, const std::string& text) {
            boxes.push_back({caption, text});
        };
    }
    PreparedReport(const PreparedReport&) = delete;
    PreparedReport& operator=(const PreparedReport&) = delete;

    report::TrpMemoView* memo(double left, double top, std::vector<std::string> lines,
                              report::TrpComponent* parent = nullptr) {
        auto* m = report::rpCreate<report::TrpMemoView>(parent ? parent : page);
        m->SetBounds(left, top, 200, 18);
        m->Memo = std::move(lines);
        return m;
    }
    report::TrpLineView* line(double left, double top, double width, double height) {
        auto* l = report::rpCreate<report::TrpLineView>(page);
        l->SetBounds(left, top, width, height);
        l->Frame.Typ = report::bitOf(report::ftTop);
        return l;
    }

    report::TrpPreviewPages& pages() { return report.PreviewPages(); }
    report::TrpXMLItem& pageNode(int index) {
        return pages().Document.Root.Find("previewpages")->Item(static_cast<size_t>(index));
    }
    // The names of a node's children, in order.
    static std::vector<std::string> childNames(const report::TrpXMLItem& node) {
        std::vector<std::string> names;
        for (size_t i = 0; i < node.Count(); ++i)
            names.push_back(node.Item(i).Name);
        return names;
    }
};
