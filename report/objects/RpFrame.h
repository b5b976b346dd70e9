// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of a view: which sides are drawn, in what colour, width and style, and an optional
// drop shadow.
#include "report/common/RpPersistent.h"
#include "report/common/RpTypes.h"

#include "platform/Color.h"

namespace report {

class TrpFrame : public TrpPersistent {
public:
    platform::TColor Color = 0;
    bool DropShadow = false;
    platform::TColor ShadowColor = 0;
    double ShadowWidth = 4;
    TrpFrameStyle Style = fsSolid;
    TrpFrameTypes Typ = 0;
    double Width = 1;

    bool has(TrpFrameType side) const { return (Typ & bitOf(side)) != 0; }

    const char* ClassName() const override { return "TrpFrame"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

} // namespace report
