// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serialised form of a component tree: a component is a node named by its class whose
// attribute text is Name="..." followed by its property text (xml/RpXmlSerializer.h), then the
// component's own extra nodes and one child node per child object. The same form serves stored
// definitions, run snapshots and prepared pages.
#include <string>
#include <vector>

namespace report {

class TrpComponent;
class TrpXMLItem;

class TrpComponentXML {
public:
    static void Write(TrpComponent& component, TrpXMLItem& node, bool children, bool all = false);
    // Properties (the name too unless keepName), then the component's own extra nodes and its
    // children, created by their registered class names. Unknown classes are left out with the
    // line "Nem találom az osztályt <class>" in errors.
    static void Read(TrpComponent& component, const TrpXMLItem& node,
                     std::vector<std::string>& errors, bool keepName);
};

} // namespace report
