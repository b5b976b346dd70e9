#pragma once
// The report's serialised form. Properties become attribute pairs named after them, sub-objects
// dotted paths ("Frame.Typ", "Font.Name"); only values that differ from their defaults are written
// unless all are asked for. A component is a node named by its class with the attribute text
// Name="..." followed by its properties, and one child node per child object. The same form
// serves stored definitions, run snapshots and prepared pages.
#include <string>
#include <vector>

namespace report {

class TrpComponent;
class TrpPersistent;
class TrpXMLItem;

class TrpXMLSerializer {
public:
    static std::string WriteProperties(TrpPersistent& object, bool all = false);
    // Sets each named property in order; a value that cannot be set adds its error text to
    // errors and reading goes on.
    static void ReadProperties(TrpPersistent& object, const std::string& attributeText,
                               std::vector<std::string>& errors);
    // One property by its (dotted) name; raises platform::Error when it does not exist or the
    // value does not fit.
    static void SetProperty(TrpPersistent& object, const std::string& path,
                            const std::string& value);
    static std::string GetProperty(TrpPersistent& object, const std::string& path);

    static void WriteComponent(TrpComponent& component, TrpXMLItem& node, bool children,
                               bool all = false);
    // Properties (the name too unless keepName), then the component's own extra nodes and its
    // children, created by their registered class names. Unknown classes are left out with the
    // line "Nem találom az osztályt <class>" in errors.
    static void ReadComponent(TrpComponent& component, const TrpXMLItem& node,
                              std::vector<std::string>& errors, bool keepName);
};

} // namespace report
