// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/xml/RpXmlSerializer.h"

#include "report/common/RpProperties.h"
#include "report/xml/RpXmlText.h"

#include "platform/Error.h"

#include <map>

namespace report {
namespace {

void writeInto(std::string& text, TrpPersistent& object, const std::string& prefix, bool all) {
    TrpPropertyList list;
    object.DefineProperties(list);
    for (const TrpProperty& p : list.items()) {
        if (p.alias)
            continue;
        if (p.object) {
            // A sub-object that decides for itself is written completely when it is written.
            const bool stored = !p.stored || p.stored();
            if (stored || all)
                writeInto(text, *p.object, prefix + p.name + ".", all || p.stored != nullptr);
        } else if (all || !p.isDefault()) {
            appendAttribute(text, prefix + p.name, p.get());
        }
    }
}

// Property lists of an object and its sub-objects, built once per object while reading.
class PropertyResolver {
public:
    const TrpProperty& resolve(TrpPersistent& object, const std::string& path) {
        TrpPersistent* current = &object;
        std::string rest = path;
        for (;;) {
            const size_t dot = rest.find('.');
            const std::string head = rest.substr(0, dot);
            const TrpProperty* p = listOf(*current).find(head);
            if (!p)
                throw platform::Error("Property " + path + " does not exist");
            if (dot == std::string::npos) {
                if (p->object)
                    throw platform::Error("Property " + path + " is an object");
                return *p;
            }
            if (!p->object)
                throw platform::Error("Property " + path + " does not exist");
            current = p->object;
            rest = rest.substr(dot + 1);
        }
    }

private:
    const TrpPropertyList& listOf(TrpPersistent& object) {
        auto [it, added] = lists_.try_emplace(&object);
        if (added)
            object.DefineProperties(it->second);
        return it->second;
    }
    std::map<TrpPersistent*, TrpPropertyList> lists_;
};

} // namespace

std::string TrpXMLSerializer::WriteProperties(TrpPersistent& object, bool all) {
    std::string text;
    writeInto(text, object, {}, all);
    return text;
}

void TrpXMLSerializer::ReadProperties(TrpPersistent& object, const std::string& attributeText,
                                      std::vector<std::string>& errors,
                                      const std::function<void(const std::string&)>& onName) {
    TrpAttributes attributes;
    try {
        attributes = parseAttributes(attributeText);
    } catch (const std::exception& e) {
        errors.push_back(e.what());
    }
    PropertyResolver resolver;
    for (const auto& [name, value] : attributes) {
        try {
            if (onName && sameTextIgnoringCase(name, "Name"))
                onName(value);
            else
                resolver.resolve(object, name).set(value);
        } catch (const std::exception& e) {
            errors.push_back(e.what());
        }
    }
}

void TrpXMLSerializer::SetProperty(TrpPersistent& object, const std::string& path,
                                   const std::string& value) {
    PropertyResolver resolver;
    resolver.resolve(object, path).set(value);
}

std::string TrpXMLSerializer::GetProperty(TrpPersistent& object, const std::string& path) {
    PropertyResolver resolver;
    return resolver.resolve(object, path).get();
}

} // namespace report
