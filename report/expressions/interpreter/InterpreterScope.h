// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names the script interpreter can see: variables, values read and written through the host
// (report objects, the report's variables) and host functions. Scopes form a chain; the global
// functions (IIF and a few conversions) end every chain. Names ignore letter case.
#include "report/expressions/RpVariant.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace report {

struct InterpreterEntry {
    enum class Kind { Variable, Value, Function };
    Kind kind = Kind::Variable;
    std::string name;
    TrpVariant value;                                         // Variable
    std::function<TrpVariant()> get;                          // Value
    std::function<void(const TrpVariant&)> set;               // Value; none: read-only
    std::function<TrpVariant(std::vector<TrpVariant>&)> call; // Function
    int minArgs = 0;
    int maxArgs = 0;

    TrpVariant read() const;
    bool writable() const { return kind == Kind::Variable || (kind == Kind::Value && set); }
    void write(const TrpVariant& v);
};

class InterpreterScope {
public:
    explicit InterpreterScope(const InterpreterScope* parent = nullptr) : parent_(parent) {}

    const InterpreterScope* Parent() const { return parent_; }
    void SetParent(const InterpreterScope* parent) { parent_ = parent; }

    // Adding a name that exists replaces it; compiled code keeps the entry it was bound to.
    std::shared_ptr<InterpreterEntry> AddVariable(const std::string& name,
                                                  const TrpVariant& value = TrpVariant::Null());
    void AddValue(const std::string& name, std::function<TrpVariant()> get,
                  std::function<void(const TrpVariant&)> set = {});
    void AddFunction(const std::string& name,
                     std::function<TrpVariant(std::vector<TrpVariant>&)> call, int minArgs,
                     int maxArgs);
    void Clear() { entries_.clear(); }

    // This scope only.
    std::shared_ptr<InterpreterEntry> Find(const std::string& name) const;
    // This scope, its parents, then the global functions.
    std::shared_ptr<InterpreterEntry> Lookup(const std::string& name) const;

    static const InterpreterScope& Globals();

private:
    std::shared_ptr<InterpreterEntry> add(const std::string& name, InterpreterEntry entry);

    const InterpreterScope* parent_;
    std::map<std::string, std::shared_ptr<InterpreterEntry>> entries_; // keys in capitals
};

std::string upperAscii(std::string text);

} // namespace report
