// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conditional highlight of a text object: while its condition holds, the object is drawn with the
// highlight's font and background colour.
#include "report/common/RpFont.h"

#include <string>

namespace report {

class TrpHighlight : public TrpPersistent {
public:
    TrpHighlight();

    bool Active = false; // set by FillValue from Condition
    TrpFont Font;
    platform::TColor Color = platform::clNone;
    std::string Condition;

    const char* ClassName() const override { return "TrpHighlight"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

} // namespace report
