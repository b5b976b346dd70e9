// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/RpVariables.h"

#include "report/common/RpProperties.h"

namespace report {

const TrpVariable* TrpVariables::Find(const std::string& name) const {
    for (const TrpVariable& v : items_)
        if (sameTextIgnoringCase(v.Name, name))
            return &v;
    return nullptr;
}

void TrpVariables::Set(const std::string& name, const TrpVariant& value) {
    for (TrpVariable& v : items_)
        if (sameTextIgnoringCase(v.Name, name)) {
            v.Value = value;
            return;
        }
    items_.push_back({name, value});
}

} // namespace report
