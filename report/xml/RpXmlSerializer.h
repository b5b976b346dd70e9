// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serialised property text of persistent objects. Properties become attribute pairs named
// after them, sub-objects dotted paths ("Frame.Typ", "Font.Name"); only values that differ from
// their defaults are written unless all are asked for. Components build their nodes from it
// (objects/RpComponentXml.h); the same form serves stored definitions, run snapshots and prepared
// pages.
#include <functional>
#include <string>
#include <vector>

namespace report {

class TrpPersistent;

class TrpXMLSerializer {
public:
    static std::string WriteProperties(TrpPersistent& object, bool all = false);
    // Sets each named property in order; a value that cannot be set adds its error text to
    // errors and reading goes on. With onName, a pair named "Name" (letter case ignored) is handed
    // to it instead: a component's name is not one of its properties.
    static void ReadProperties(TrpPersistent& object, const std::string& attributeText,
                               std::vector<std::string>& errors,
                               const std::function<void(const std::string&)>& onName = {});
    // One property by its (dotted) name; raises platform::Error when it does not exist or the
    // value does not fit.
    static void SetProperty(TrpPersistent& object, const std::string& path,
                            const std::string& value);
    static std::string GetProperty(TrpPersistent& object, const std::string& path);
};

} // namespace report
