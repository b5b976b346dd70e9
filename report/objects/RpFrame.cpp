// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpFrame.h"

#include "report/common/RpProperties.h"

namespace report {

void TrpFrame::DefineProperties(TrpPropertyList& properties) {
    properties.color("Color", Color, 0);
    properties.boolean("DropShadow", DropShadow, false);
    properties.color("ShadowColor", ShadowColor, 0);
    properties.number("ShadowWidth", ShadowWidth, 4);
    properties.enumeration("Style", Style, TrpFrameStyleNames, fsSolid);
    properties.set("Typ", Typ, TrpFrameTypeNames);
    properties.number("Width", Width, 1);
}

} // namespace report
