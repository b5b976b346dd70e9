// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpHighlight.h"

#include "report/common/RpProperties.h"

namespace report {

TrpHighlight::TrpHighlight() : Font("Arial", 10, 0x0000FF) {}

void TrpHighlight::DefineProperties(TrpPropertyList& properties) {
    properties.boolean("Active", Active, false);
    properties.color("Color", Color, platform::clNone);
    properties.string("Condition", Condition);
    properties.object("Font", Font);
}

} // namespace report
