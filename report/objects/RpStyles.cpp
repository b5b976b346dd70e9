// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpStyles.h"

#include "report/common/RpProperties.h"

namespace report {

void TrpStyleItem::DefineProperties(TrpPropertyList& properties) {
    properties.string("Name", Name);
    properties.color("Color", Color, platform::clNone);
    properties.object("Font", Font);
    properties.object("Frame", Frame);
}

} // namespace report
