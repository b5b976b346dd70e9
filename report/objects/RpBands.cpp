// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpBands.h"

#include "report/common/RpProperties.h"

namespace report {

void TrpBand::DefineProperties(TrpPropertyList& properties) {
    TrpReportComponent::DefineProperties(properties);
    properties.boolean("AllowSplit", AllowSplit, false);
    properties.string("DataSetName", DataSetName);
    properties.boolean("KeepTogether", KeepTogether, false);
    properties.boolean("PrintOnFirstPage", PrintOnFirstPage, true);
    properties.boolean("PrintOnLastPage", PrintOnLastPage, true);
    properties.boolean("StartNewPage", StartNewPage, false);
    properties.boolean("Stretched", Stretched, false);
    properties.string("OnAfterCalcHeight", OnAfterCalcHeight);
    properties.string("OnAfterPrint", OnAfterPrint);
    properties.string("OnBeforePrint", OnBeforePrint);
}

} // namespace report
