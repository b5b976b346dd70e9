// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/RpFormat.h"

#include "report/common/RpProperties.h"

namespace report {

void TrpFormat::DefineProperties(TrpPropertyList& properties) {
    properties.string("DecimalSeparator", DecimalSeparator);
    properties.string("FormatStr", FormatStr);
    properties.enumeration("Kind", Kind, TrpFormatKindNames, fkText);
}

} // namespace report
