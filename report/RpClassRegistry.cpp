#include "report/RpClassRegistry.h"

#include "report/RpBands.h"
#include "report/RpHighlight.h"
#include "report/RpLineView.h"
#include "report/RpOtherViews.h"
#include "report/RpPage.h"
#include "report/RpProperties.h"
#include "report/RpReport.h"
#include "report/RpStyles.h"

#include <map>

namespace report {
namespace {

struct Entry {
    std::string name;
    TrpClassRegistry::Factory factory;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> list = [] {
        std::vector<Entry> builtIn;
        const auto add = [&builtIn]<class T>(const char* name) {
            builtIn.push_back({name, [](TrpComponent* owner) -> TrpPersistent* {
                                   if constexpr (std::is_constructible_v<T, TrpComponent*>)
                                       return new T(owner);
                                   else
                                       return new T();
                               }});
        };
        add.operator()<TrpChild>("TrpChild");
        add.operator()<TrpColumnFooter>("TrpColumnFooter");
        add.operator()<TrpColumnHeader>("TrpColumnHeader");
        add.operator()<TrpCustomMemoView>("TrpCustomMemoView");
        add.operator()<TrpMasterData>("TrpMasterData");
        add.operator()<TrpDetailData>("TrpDetailData");
        add.operator()<TrpSubdetailData>("TrpSubdetailData");
        add.operator()<TrpDataBand4>("TrpDataBand4");
        add.operator()<TrpDataBand5>("TrpDataBand5");
        add.operator()<TrpDataBand6>("TrpDataBand6");
        add.operator()<TrpDialogPage>("TrpDialogPage");
        add.operator()<TrpFooter>("TrpFooter");
        add.operator()<TrpFrame>("TrpFrame");
        add.operator()<TrpGroupFooter>("TrpGroupFooter");
        add.operator()<TrpGroupHeader>("TrpGroupHeader");
        add.operator()<TrpHeader>("TrpHeader");
        add.operator()<TrpHighlight>("TrpHighlight");
        add.operator()<TrpLineView>("TrpLineView");
        add.operator()<TrpMemoView>("TrpMemoView");
        add.operator()<TrpOverlay>("TrpOverlay");
        add.operator()<TrpPageFooter>("TrpPageFooter");
        add.operator()<TrpPageHeader>("TrpPageHeader");
        add.operator()<TrpReport>("TrpReport");
        add.operator()<TrpReportPage>("TrpReportPage");
        add.operator()<TrpReportSummary>("TrpReportSummary");
        add.operator()<TrpReportTitle>("TrpReportTitle");
        add.operator()<TrpShapeView>("TrpShapeView");
        add.operator()<TrpSubreport>("TrpSubreport");
        add.operator()<TrpSysMemoView>("TrpSysMemoView");
        add.operator()<TrpStyleItem>("TrpStyleItem");
        add.operator()<TrpNullBand>("TrpNullBand");
        add.operator()<TrpCustomLineView>("TrpCustomLineView");
        return builtIn;
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

TrpPersistent* TrpClassRegistry::Create(const std::string& className, TrpComponent* owner) {
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
