// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Report variables: names with values; a string value is an expression. Names are compared
// ignoring letter case.
#include "report/expressions/RpVariant.h"

#include <string>
#include <vector>

namespace report {

struct TrpVariable {
    std::string Name;
    TrpVariant Value;
};

class TrpVariables {
public:
    const std::vector<TrpVariable>& Items() const { return items_; }
    size_t Count() const { return items_.size(); }
    // Null when no variable has the name.
    const TrpVariable* Find(const std::string& name) const;
    // Replaces the value, or appends the variable when the name is new.
    void Set(const std::string& name, const TrpVariant& value);
    void Clear() { items_.clear(); }

private:
    std::vector<TrpVariable> items_;
};

} // namespace report
