// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/xml/RpXmlDocument.h"

#include "report/common/RpProperties.h"
#include "report/xml/RpXmlText.h"

#include "platform/Error.h"

#include <iterator>
#include <ostream>
#include <sstream>

namespace report {
namespace {

constexpr std::string_view declaration = R"(<?xml version="1.0" encoding="utf-8"?>)";
constexpr std::string_view unloadableMark = R"(ld="0")";
// Far deeper than any report or prepared page; deeper text is damaged or hostile.
constexpr size_t maxDepth = 256;

[[noreturn]] void malformed(size_t position) {
    throw platform::Error("Invalid XML document at position " + std::to_string(position));
}

void writeNode(std::ostream& out, const TrpXMLItem& node) {
    out << '<' << node.Name;
    if (!node.Text.empty()) {
        if (node.Text.front() != ' ')
            out << ' ';
        out << node.Text;
    }
    // A blank before the mark keeps it a separate attribute, also after an empty text.
    if (node.Unloadable)
        out << ' ' << unloadableMark;
    if (node.Count() == 0) {
        out << "/>";
        return;
    }
    out << '>';
    for (size_t i = 0; i < node.Count(); ++i)
        writeNode(out, node.Item(i));
    out << "</" << node.Name << '>';
}

} // namespace

TrpXMLItem::~TrpXMLItem() {
    Clear();
}

// Descendants are destroyed one by one, not recursively, so that no depth of tree can exhaust the
// call stack.
void TrpXMLItem::Clear() {
    std::vector<std::unique_ptr<TrpXMLItem>> pending = std::move(children_);
    children_.clear();
    while (!pending.empty()) {
        std::unique_ptr<TrpXMLItem> item = std::move(pending.back());
        pending.pop_back();
        for (auto& child : item->children_)
            pending.push_back(std::move(child));
        item->children_.clear();
    }
}

TrpXMLItem& TrpXMLItem::Add(std::string name) {
    auto& child = children_.emplace_back(std::make_unique<TrpXMLItem>(std::move(name)));
    child->parent_ = this;
    return *child;
}

void TrpXMLItem::Delete(size_t index) {
    children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(index));
}

TrpXMLItem* TrpXMLItem::Find(const std::string& name) const {
    for (const auto& child : children_)
        if (sameTextIgnoringCase(child->Name, name))
            return child.get();
    return nullptr;
}

TrpXMLItem& TrpXMLItem::FindOrCreate(const std::string& name) {
    TrpXMLItem* found = Find(name);
    return found ? *found : Add(name);
}

bool TrpXMLItem::HasAttribute(const std::string& name) const {
    for (const auto& [n, v] : parseAttributes(Text))
        if (sameTextIgnoringCase(n, name))
            return true;
    return false;
}

std::string TrpXMLItem::Attribute(const std::string& name) const {
    for (const auto& [n, v] : parseAttributes(Text))
        if (sameTextIgnoringCase(n, name))
            return v;
    return {};
}

void TrpXMLItem::SetAttribute(const std::string& name, const std::string& value) {
    std::string text;
    bool replaced = false;
    for (const auto& [n, v] : parseAttributes(Text)) {
        const bool match = !replaced && sameTextIgnoringCase(n, name);
        appendAttribute(text, n, match ? value : v);
        replaced = replaced || match;
    }
    if (!replaced)
        appendAttribute(text, name, value);
    Text = std::move(text);
}

void TrpXMLDocument::Write(std::ostream& stream) const {
    stream << declaration;
    writeNode(stream, Root);
}

std::string TrpXMLDocument::ToText() const {
    std::ostringstream out;
    Write(out);
    return out.str();
}

void TrpXMLDocument::Read(std::istream& stream) {
    FromText(std::string(std::istreambuf_iterator<char>(stream), {}));
}

void TrpXMLDocument::FromText(const std::string& text) {
    ReadItem(text, Root);
}

void TrpXMLDocument::WriteItem(std::ostream& stream, const TrpXMLItem& item) {
    writeNode(stream, item);
}

// Reads what Write writes: elements with attribute texts and children, no character data. The
// nesting is walked with an explicit stack, so deep input cannot exhaust the call stack.
void TrpXMLDocument::ReadItem(const std::string& text, TrpXMLItem& item) {
    item.Clear();
    item.Name.clear();
    item.Text.clear();
    item.Unloadable = false;
    size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() &&
               (text[i] == ' ' || text[i] == '\r' || text[i] == '\n' || text[i] == '\t'))
            ++i;
    };
    skipBlanks();
    if (text.compare(i, 5, "<?xml") == 0) {
        const size_t end = text.find("?>", i);
        if (end == std::string::npos)
            malformed(i);
        i = end + 2;
    }
    std::vector<TrpXMLItem*> open;
    bool rootSeen = false;
    for (;;) {
        skipBlanks();
        if (i >= text.size())
            break;
        if (text[i] != '<')
            malformed(i);
        if (text.compare(i, 2, "</") == 0) {
            const size_t end = text.find('>', i);
            if (open.empty() || end == std::string::npos ||
                !sameTextIgnoringCase(text.substr(i + 2, end - i - 2), open.back()->Name))
                malformed(i);
            open.pop_back();
            i = end + 1;
            continue;
        }
        if (open.empty() && rootSeen)
            malformed(i); // a second root
        size_t nameEnd = i + 1;
        while (nameEnd < text.size() && text[nameEnd] != ' ' && text[nameEnd] != '>' &&
               text[nameEnd] != '/')
            ++nameEnd;
        // Values are escaped, so the first ">" outside quotes ends the tag.
        size_t end = nameEnd;
        bool quoted = false;
        while (end < text.size() && (quoted || text[end] != '>')) {
            if (text[end] == '"')
                quoted = !quoted;
            ++end;
        }
        if (end >= text.size() || nameEnd == i + 1)
            malformed(i);
        const bool empty = text[end - 1] == '/';
        std::string attributes = text.substr(nameEnd, (empty ? end - 1 : end) - nameEnd);
        while (!attributes.empty() && attributes.front() == ' ')
            attributes.erase(0, 1);
        while (!attributes.empty() && attributes.back() == ' ')
            attributes.pop_back();
        TrpXMLItem& node = open.empty() ? item : open.back()->Add();
        node.Name = text.substr(i + 1, nameEnd - i - 1);
        if (attributes.ends_with(unloadableMark)) {
            node.Unloadable = true;
            attributes.erase(attributes.size() - unloadableMark.size());
            while (!attributes.empty() && attributes.back() == ' ')
                attributes.pop_back();
        }
        node.Text = std::move(attributes);
        parseAttributes(node.Text); // rejects malformed attribute text now, not at first use
        rootSeen = true;
        if (!empty) {
            if (open.size() >= maxDepth)
                malformed(i);
            open.push_back(&node);
        }
        i = end + 1;
    }
    if (!rootSeen || !open.empty())
        malformed(text.size());
}

} // namespace report
