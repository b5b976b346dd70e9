// SPDX-License-Identifier: GPL-3.0-or-later
// The prepared-report file of TrpPreviewPages: the tree of the output pages followed by the source
// pages and the dictionary that its aliases refer to.
#include "report/prepared/RpPreviewPages.h"

#include "report/common/RpProperties.h"
#include "report/common/RpResources.h"
#include "report/objects/RpClassRegistry.h"
#include "report/objects/RpComponentXml.h"
#include "report/objects/RpPage.h"
#include "report/xml/RpXmlSerializer.h"
#include "report/xml/RpXmlText.h"

#include "platform/Files.h"

namespace report {
namespace {

constexpr const char* sourcePagesName = "sourcepages";
constexpr const char* dictionaryName = "dictionary";

void deleteChild(TrpXMLItem& parent, const std::string& name) {
    for (size_t i = parent.Count(); i-- > 0;)
        if (sameTextIgnoringCase(parent.Item(i).Name, name))
            parent.Delete(i);
}

// "Page" + source-page index + "." + object name.
bool splitKey(const std::string& key, size_t& index, std::string& name) {
    const size_t dot = key.find('.');
    if (dot == std::string::npos || dot <= 4 || dot > 13 ||
        !sameTextIgnoringCase(key.substr(0, 4), "Page"))
        return false;
    index = 0;
    for (char c : key.substr(4, dot - 4)) {
        if (c < '0' || c > '9')
            return false;
        index = index * 10 + static_cast<size_t>(c - '0');
    }
    name = key.substr(dot + 1);
    return true;
}

} // namespace

void TrpPreviewPages::WritePreparedFile(const QString& fileName) {
    // Pages that wait in the temporary file come back for the writing and leave again after it.
    TrpXMLItem& pages = pagesNode();
    std::vector<TrpXMLItem*> reloaded;
    for (size_t i = 0; i < pages.Count(); ++i)
        if (!pages.Item(i).Loaded) {
            fileCache_.Load(pages.Item(i));
            reloaded.push_back(&pages.Item(i));
        }
    std::string text;
    try {
        TrpXMLItem& sources = Document.Root.FindOrCreate(sourcePagesName);
        sources.Clear();
        for (const auto& page : sources_)
            TrpComponentXML::Write(*page, sources.Add(), true);
        TrpXMLItem& dictionary = Document.Root.FindOrCreate(dictionaryName);
        dictionary.Clear();
        for (const std::string& alias : dictionary_.Aliases())
            appendAttribute(dictionary.Add(alias).Text, "name", dictionary_.KeyOf(alias));
        text = Document.ToText();
    } catch (...) {
        deleteChild(Document.Root, sourcePagesName);
        deleteChild(Document.Root, dictionaryName);
        throw;
    }
    deleteChild(Document.Root, sourcePagesName);
    deleteChild(Document.Root, dictionaryName);
    for (TrpXMLItem* page : reloaded)
        fileCache_.Unload(*page);
    platform::writeFileAtomically(fileName, text);
}

void TrpPreviewPages::LoadPreparedFile(const QString& fileName) {
    const std::string text = platform::readWholeFile(fileName);
    Clear();
    try {
        Document.FromText(text);
    } catch (...) {
        Clear();
        throw;
    }
    ReadErrors.clear();
    if (const TrpXMLItem* sources = Document.Root.Find(sourcePagesName))
        for (size_t i = 0; i < sources->Count(); ++i) {
            const TrpXMLItem& node = sources->Item(i);
            std::unique_ptr<TrpPage> page = TrpClassRegistry::CreateAs<TrpPage>(node.Name, nullptr);
            if (!page) {
                ReadErrors.push_back(rpResource("xrCantFindClass") + " " + node.Name);
            } else {
                TrpComponentXML::Read(*page, node, ReadErrors, false);
                for (TrpComponent* object : page->AllObjects())
                    object->SourceText = TrpXMLSerializer::WriteProperties(*object);
            }
            // An empty place keeps the indexes of the pages after it.
            sources_.push_back(std::move(page));
        }
    if (const TrpXMLItem* dictionary = Document.Root.Find(dictionaryName))
        for (size_t i = 0; i < dictionary->Count(); ++i) {
            const TrpXMLItem& item = dictionary->Item(i);
            const std::string key = item.Attribute("name");
            size_t index = 0;
            std::string name;
            TrpComponent* object = nullptr;
            if (splitKey(key, index, name) && index < sources_.size() && sources_[index])
                object = sources_[index]->FindByName(name);
            if (!object)
                continue; // its nodes are then read by their names as class names
            dictionary_.Add(item.Name, key, object);
            object->Alias = item.Name;
        }
    deleteChild(Document.Root, sourcePagesName);
    deleteChild(Document.Root, dictionaryName);
    Document.Root.Name = "preparedreport";
    SetCurrentPageIndex(PageCount() - 1);
}

} // namespace report
