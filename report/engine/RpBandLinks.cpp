// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/engine/RpBandLinks.h"

#include "report/common/RpResources.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpPage.h"

#include "platform/NumberConversion.h"

#include <algorithm>
#include <string>

namespace report {
namespace {

// The nesting level of a data band: master 1, detail 2, sub-detail 3, then 4 to 6; 0 for others.
int dataLevel(const TrpBand* band) {
    if (dynamic_cast<const TrpMasterData*>(band))
        return 1;
    if (dynamic_cast<const TrpDetailData*>(band))
        return 2;
    if (dynamic_cast<const TrpSubdetailData*>(band))
        return 3;
    if (dynamic_cast<const TrpDataBand4*>(band))
        return 4;
    if (dynamic_cast<const TrpDataBand5*>(band))
        return 5;
    if (dynamic_cast<const TrpDataBand6*>(band))
        return 6;
    return 0;
}

bool isLinkedKind(const TrpBand* band) {
    return dataLevel(band) > 0 || dynamic_cast<const TrpHeader*>(band) ||
           dynamic_cast<const TrpFooter*>(band) || dynamic_cast<const TrpGroupHeader*>(band) ||
           dynamic_cast<const TrpGroupFooter*>(band);
}

// Sorting compares the positions as text, the way they are formatted.
std::string positionKey(double top) {
    const std::string text = platform::doubleToText(top, platform::FloatForm::Fixed, 2);
    return std::string(text.size() < 9 ? 9 - text.size() : 0, ' ') + text;
}

} // namespace

void LinkBands(const TrpPage& page, std::vector<std::string>& errors) {
    std::vector<std::pair<std::string, const TrpBand*>> sorted;
    for (const TrpComponent* object : page.Objects())
        if (auto* band = dynamic_cast<const TrpBand*>(object); band && isLinkedKind(band))
            sorted.emplace_back(positionKey(band->Top), band);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto report = [&errors](const char* key, const TrpBand* band) {
        errors.push_back(rpResource(key) + " " + band->Name());
    };
    std::vector<const TrpBand*> openGroups;
    for (size_t i = 0; i < sorted.size(); ++i) {
        const TrpBand* band = sorted[i].second;
        const TrpBand* above = i > 0 ? sorted[i - 1].second : nullptr;
        const TrpBand* below = i + 1 < sorted.size() ? sorted[i + 1].second : nullptr;
        if (const int level = dataLevel(band); level > 1) {
            // The nearest data band above on a higher level must be its master.
            int masterLevel = 0;
            for (size_t j = i; j-- > 0 && masterLevel == 0;)
                if (const int l = dataLevel(sorted[j].second); l > 0 && l < level)
                    masterLevel = l;
            if (masterLevel != level - 1)
                report("enBandPos", band);
        } else if (dynamic_cast<const TrpHeader*>(band)) {
            if (dataLevel(below) == 0)
                report("enUnconnHeader", band);
        } else if (dynamic_cast<const TrpFooter*>(band)) {
            if (dataLevel(above) == 0)
                report("enUnconnHeader", band);
        } else if (dynamic_cast<const TrpGroupHeader*>(band)) {
            openGroups.push_back(band);
            bool hasData = false;
            for (size_t j = i + 1; j < sorted.size() && !hasData; ++j) {
                if (dynamic_cast<const TrpGroupFooter*>(sorted[j].second))
                    break;
                hasData = dataLevel(sorted[j].second) > 0;
            }
            if (!hasData)
                report("enUnconnGroup", band);
        } else if (dynamic_cast<const TrpGroupFooter*>(band)) {
            if (openGroups.empty())
                report("enUnconnGFooter", band);
            else
                openGroups.pop_back();
        }
    }
}

} // namespace report
