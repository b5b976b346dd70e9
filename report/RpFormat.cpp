#include "report/RpFormat.h"

#include "report/RpProperties.h"

namespace report {

void TrpFormat::DefineProperties(TrpPropertyList& properties) {
    properties.string("DecimalSeparator", DecimalSeparator);
    properties.string("FormatStr", FormatStr);
    properties.enumeration("Kind", Kind, TrpFormatKindNames, fkText);
}

} // namespace report
