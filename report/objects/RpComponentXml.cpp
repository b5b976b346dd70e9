// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpComponentXml.h"

#include "report/common/RpResources.h"
#include "report/objects/RpClassRegistry.h"
#include "report/objects/RpComponent.h"
#include "report/xml/RpXmlDocument.h"
#include "report/xml/RpXmlSerializer.h"
#include "report/xml/RpXmlText.h"

namespace report {
namespace {

// Report trees are a few levels deep; anything deeper is damaged or hostile input.
constexpr int maxDepth = 64;

void readComponent(TrpComponent& component, const TrpXMLItem& node,
                   std::vector<std::string>& errors, bool keepName, int depth) {
    TrpXMLSerializer::ReadProperties(component, node.Text, errors, [&](const std::string& name) {
        if (!keepName)
            component.SetName(name);
    });
    for (size_t i = 0; i < node.Count(); ++i) {
        const TrpXMLItem& child = node.Item(i);
        if (component.ReadExtraNode(child, errors))
            continue;
        std::unique_ptr<TrpComponent> object =
            depth < maxDepth ? TrpClassRegistry::CreateAs<TrpComponent>(child.Name, &component)
                             : nullptr;
        if (!object) {
            errors.push_back(rpResource("xrCantFindClass") + " " + child.Name);
            continue;
        }
        // The new child belongs to its owner from now on.
        readComponent(*object.release(), child, errors, false, depth + 1);
    }
}

} // namespace

void TrpComponentXML::Write(TrpComponent& component, TrpXMLItem& node, bool children, bool all) {
    node.Name = component.ClassName();
    std::string text;
    appendAttribute(text, "Name", component.Name());
    const std::string properties = TrpXMLSerializer::WriteProperties(component, all);
    if (!properties.empty())
        text += ' ' + properties;
    node.Text = std::move(text);
    component.WriteExtraNodes(node);
    if (children)
        for (TrpComponent* child : component.Objects())
            Write(*child, node.Add(), true, all);
}

void TrpComponentXML::Read(TrpComponent& component, const TrpXMLItem& node,
                           std::vector<std::string>& errors, bool keepName) {
    readComponent(component, node, errors, keepName, 0);
}

} // namespace report
