// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpOtherViews.h"

#include "report/common/RpProperties.h"

namespace report {

void TrpShapeView::DefineProperties(TrpPropertyList& properties) {
    TrpView::DefineProperties(properties);
    properties.integer("ShapeType", ShapeType, 0);
}

void TrpSubreport::DefineProperties(TrpPropertyList& properties) {
    TrpView::DefineProperties(properties);
    properties.string("SubPage", SubPage);
}

} // namespace report
