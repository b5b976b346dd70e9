// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report's XML tree: nodes with a name, an attribute text and ordered children. Stored
// definitions, run snapshots and prepared pages all use it. The text form has no indentation and
// no line breaks; texts are cp1250 bytes.
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace report {

class TrpXMLItem {
public:
    TrpXMLItem() = default;
    explicit TrpXMLItem(std::string name) : Name(std::move(name)) {}
    ~TrpXMLItem();
    TrpXMLItem(const TrpXMLItem&) = delete;
    TrpXMLItem& operator=(const TrpXMLItem&) = delete;

    std::string Name;
    std::string Text; // attribute text, values escaped
    bool Loaded = true;
    bool Unloadable = false; // may move to the temporary file (written as ld="0")
    long long FilePosition = -1;

    TrpXMLItem* Parent() const { return parent_; }
    size_t Count() const { return children_.size(); }
    TrpXMLItem& Item(size_t index) const { return *children_[index]; }
    TrpXMLItem& Add(std::string name = {});
    void Delete(size_t index);
    void Clear();
    // Child lookup ignoring letter case; FindOrCreate appends a missing child.
    TrpXMLItem* Find(const std::string& name) const;
    TrpXMLItem& FindOrCreate(const std::string& name);

    // Attribute lookup ignoring letter case; values unescaped.
    bool HasAttribute(const std::string& name) const;
    std::string Attribute(const std::string& name) const;
    // Replaces an existing pair or appends one.
    void SetAttribute(const std::string& name, const std::string& value);

private:
    TrpXMLItem* parent_ = nullptr;
    std::vector<std::unique_ptr<TrpXMLItem>> children_;
};

class TrpXMLDocument {
public:
    TrpXMLItem Root;

    // The declaration, then the root and its descendants depth first.
    void Write(std::ostream& stream) const;
    std::string ToText() const;
    // Replaces the root; raises platform::Error on malformed text.
    void Read(std::istream& stream);
    void FromText(const std::string& text);

    // One node and its descendants without the declaration, and the reverse into a given node
    // (replacing its name, text and children): how single pages move to and from a file.
    static void WriteItem(std::ostream& stream, const TrpXMLItem& item);
    static void ReadItem(const std::string& text, TrpXMLItem& item);
};

} // namespace report
