// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a text object formats the values of its expressions.
#include "report/common/RpPersistent.h"
#include "report/common/RpTypes.h"

#include <string>

namespace report {

class TrpFormat : public TrpPersistent {
public:
    std::string DecimalSeparator;
    std::string FormatStr;
    TrpFormatKind Kind = fkText;

    const char* ClassName() const override { return "TrpFormat"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

} // namespace report
