// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpClassRegistry.h"

#include "report/common/RpProperties.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpBarCodeView.h"
#include "report/objects/RpHighlight.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpOtherViews.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpPictureView.h"
#include "report/objects/RpStyles.h"

#include <map>

namespace report {
namespace {

struct Entry {
    std::string name;
    TrpClassRegistry::Factory factory;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> list = [] {
        // The engine's own classes, the picture object among them, and the barcode object; the
        // report registers itself (report/RpReport.cpp).
        return std::vector<Entry>{
            {"TrpChild", TrpClassRegistry::factoryOf<TrpChild>()},
            {"TrpColumnFooter", TrpClassRegistry::factoryOf<TrpColumnFooter>()},
            {"TrpColumnHeader", TrpClassRegistry::factoryOf<TrpColumnHeader>()},
            {"TrpCustomMemoView", TrpClassRegistry::factoryOf<TrpCustomMemoView>()},
            {"TrpMasterData", TrpClassRegistry::factoryOf<TrpMasterData>()},
            {"TrpDetailData", TrpClassRegistry::factoryOf<TrpDetailData>()},
            {"TrpSubdetailData", TrpClassRegistry::factoryOf<TrpSubdetailData>()},
            {"TrpDataBand4", TrpClassRegistry::factoryOf<TrpDataBand4>()},
            {"TrpDataBand5", TrpClassRegistry::factoryOf<TrpDataBand5>()},
            {"TrpDataBand6", TrpClassRegistry::factoryOf<TrpDataBand6>()},
            {"TrpDialogPage", TrpClassRegistry::factoryOf<TrpDialogPage>()},
            {"TrpFooter", TrpClassRegistry::factoryOf<TrpFooter>()},
            {"TrpFrame", TrpClassRegistry::factoryOf<TrpFrame>()},
            {"TrpGroupFooter", TrpClassRegistry::factoryOf<TrpGroupFooter>()},
            {"TrpGroupHeader", TrpClassRegistry::factoryOf<TrpGroupHeader>()},
            {"TrpHeader", TrpClassRegistry::factoryOf<TrpHeader>()},
            {"TrpHighlight", TrpClassRegistry::factoryOf<TrpHighlight>()},
            {"TrpLineView", TrpClassRegistry::factoryOf<TrpLineView>()},
            {"TrpMemoView", TrpClassRegistry::factoryOf<TrpMemoView>()},
            {"TrpOverlay", TrpClassRegistry::factoryOf<TrpOverlay>()},
            {"TrpPageFooter", TrpClassRegistry::factoryOf<TrpPageFooter>()},
            {"TrpPageHeader", TrpClassRegistry::factoryOf<TrpPageHeader>()},
            {"TrpPictureView", TrpClassRegistry::factoryOf<TrpPictureView>()},
            {"TrpReportPage", TrpClassRegistry::factoryOf<TrpReportPage>()},
            {"TrpReportSummary", TrpClassRegistry::factoryOf<TrpReportSummary>()},
            {"TrpReportTitle", TrpClassRegistry::factoryOf<TrpReportTitle>()},
            {"TrpShapeView", TrpClassRegistry::factoryOf<TrpShapeView>()},
            {"TrpSubreport", TrpClassRegistry::factoryOf<TrpSubreport>()},
            {"TrpSysMemoView", TrpClassRegistry::factoryOf<TrpSysMemoView>()},
            {"TrpStyleItem", TrpClassRegistry::factoryOf<TrpStyleItem>()},
            {"TrpNullBand", TrpClassRegistry::factoryOf<TrpNullBand>()},
            {"TrpCustomLineView", TrpClassRegistry::factoryOf<TrpCustomLineView>()},
            {"TrpBarCodeView", TrpClassRegistry::factoryOf<TrpBarCodeView>()},
        };
    }();
    return list;
}

Entry* find(const std::string& name) {
    for (Entry& e : entries())
        if (sameTextIgnoringCase(e.name, name))
            return &e;
    return nullptr;
}

} // namespace

void TrpClassRegistry::Register(const std::string& className, Factory factory) {
    if (Entry* e = find(className))
        e->factory = std::move(factory);
    else
        entries().push_back({className, std::move(factory)});
}

bool TrpClassRegistry::IsRegistered(const std::string& className) {
    return find(className) != nullptr;
}

std::unique_ptr<TrpPersistent> TrpClassRegistry::Create(const std::string& className,
                                                        TrpComponent* owner) {
    const Entry* e = find(className);
    return e ? e->factory(owner) : nullptr;
}

std::vector<std::string> TrpClassRegistry::RegisteredNames() {
    std::vector<std::string> names;
    for (const Entry& e : entries())
        names.push_back(e.name);
    return names;
}

} // namespace report
