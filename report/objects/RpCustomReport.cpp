// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpCustomReport.h"

#include "report/common/RpProperties.h"
#include "report/layout/TextLayout.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpStyles.h"

namespace report {

TrpCustomReport::TrpCustomReport(TrpComponent* owner) : TrpComponent(owner) {}

TrpCustomReport::~TrpCustomReport() = default;

TrpDrawText& TrpCustomReport::DrawText() {
    if (!drawText_)
        drawText_ = std::make_unique<TrpDrawText>();
    return *drawText_;
}

std::vector<TrpReportPage*> TrpCustomReport::Pages() const {
    std::vector<TrpReportPage*> pages;
    for (TrpComponent* c : Objects())
        if (auto* page = dynamic_cast<TrpReportPage*>(c))
            pages.push_back(page);
    return pages;
}

const TrpStyleItem* TrpCustomReport::FindStyle(const std::string& name) const {
    for (const auto& style : Styles)
        if (sameTextIgnoringCase(style->Name, name))
            return style.get();
    return nullptr;
}

void TrpCustomReport::addLoadErrors(const std::vector<std::string>& errors) {
    ErrorList.insert(ErrorList.end(), errors.begin(), errors.end());
}

} // namespace report
