// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Named styles of a report: a colour, a font and a frame that a text object copies in when it
// names the style. This program's report has none.
#include "report/common/RpFont.h"
#include "report/objects/RpFrame.h"

#include <string>

namespace report {

class TrpStyleItem : public TrpPersistent {
public:
    std::string Name;
    platform::TColor Color = platform::clNone;
    TrpFont Font;
    TrpFrame Frame;

    const char* ClassName() const override { return "TrpStyleItem"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

} // namespace report
