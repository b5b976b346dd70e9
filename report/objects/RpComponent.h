// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The node of a report tree. A component has an owner that destroys it (the report for objects
// created inside a report) and a parent whose Objects list it appears in; destroying a component
// detaches it from its parent and destroys its children first.
#include "report/common/RpFont.h"
#include "report/common/RpPersistent.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace platform {
class Canvas;
}

namespace report {

class TrpCustomReport;
class TrpDiffWriter;
class TrpPage;
class TrpXMLItem;

class TrpComponent : public TrpPersistent {
public:
    // With an owner the component is owned by the owner's report (or by the owner when it lies
    // in no report) and becomes the owner's last child.
    explicit TrpComponent(TrpComponent* owner = nullptr);
    ~TrpComponent() override;
    TrpComponent(const TrpComponent&) = delete;
    TrpComponent& operator=(const TrpComponent&) = delete;

    const std::string& Name() const { return name_; }
    // Raises "prDupl" when another object of the same report already bears the name (ignoring
    // letter case); the name then stays unchanged.
    void SetName(const std::string& name);
    int Tag = 0;
    // The class name without its first "Trp" and first "View" ("Memo", "Line"); pages say "Page".
    virtual std::string NameStem() const;
    // NameStem followed by the smallest positive number that no object of the report bears.
    std::string CreateUniqueName() const;
    TrpComponent* Owner() const { return owner_; }

    TrpComponent* Parent() const { return parent_; }
    // Moves the component to the end of the new parent's Objects, then re-applies ParentFont.
    virtual void SetParent(TrpComponent* parent);
    const std::vector<TrpComponent*>& Objects() const { return objects_; }
    // The preparation engine lends a page's objects to a temporary band through this list
    // without changing their parents.
    std::vector<TrpComponent*>& Objects() { return objects_; }
    // Every descendant, depth first in pre-order, without the component itself.
    std::vector<TrpComponent*> AllObjects() const;
    TrpPage* Page() const;
    // The report at the root of the tree (report/RpReport.h), seen as objects/RpCustomReport.h.
    TrpCustomReport* Report() const;
    // The first object of AllObjects with that name, ignoring letter case.
    TrpComponent* FindByName(const std::string& name) const;

    // Report units; Left and Top relative to the parent.
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    void SetBounds(double left, double top, double width, double height);

    const TrpFont& Font() const { return font_; }
    // Copies the font; ParentFont becomes False.
    virtual void SetFont(const TrpFont& font);
    bool ParentFont() const { return parentFont_; }
    // True with a parent: takes the parent's font first.
    virtual void SetParentFont(bool value);
    // Runs whenever Font changes: ParentFont := False, children with ParentFont take this font.
    virtual void PropagateFont();

    int GroupIndex = 0;
    TrpRestrictions Restrictions = 0; // only an interactive editor would honour them
    bool Visible = true;
    bool InEditor = false;

    // Kept by the prepared-pages store: the alias of the source copy, the link between a design
    // object and its source copy (both ways), and the source copy's serialised property text.
    std::string Alias;
    TrpComponent* SourceLink = nullptr;
    std::string SourceText;

    virtual void ArrangeChildren();
    virtual void PrepareForRun() {}
    // Destroys all children.
    virtual void Clear();
    // The serialised form (an XML document); loading keeps this object's own name, replaces its
    // children and adds the reader's error lines to the report's ErrorList.
    virtual void LoadFromStream(std::istream& stream);
    virtual void SaveToStream(std::ostream& stream, bool saveChildren);
    virtual void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                      double offsetY);
    virtual void SaveOutputState() {}
    virtual void FillValue() {}
    virtual void RestoreOutputState() {}
    virtual std::string SearchableText() const { return {}; }

    // The properties in which this object differs from its source copy, as prepared pages store
    // them: short names "l", "t", "w", "h" (and "x" for a text), ordinals for enumerations, "1"
    // and "0" for Booleans. commonOnly writes only the part every report object has (the first
    // pass of a double-pass run). The reader understands the short names.
    std::string DiffText(TrpComponent& source, bool commonOnly = false);

    // Copies the published properties of another object (children excluded, name kept) through
    // the serialised form; AssignWithChildren copies all descendants too.
    void Assign(TrpComponent& source);
    void AssignWithChildren(TrpComponent& source);

    // Parts of the serialised form that are not properties (the report's collections).
    virtual void WriteExtraNodes(TrpXMLItem& node);
    virtual bool ReadExtraNode(const TrpXMLItem& node, std::vector<std::string>& errors);

    void DefineProperties(TrpPropertyList& properties) override;

protected:
    // Adds this class's part of the difference text; overrides call their base first. Without a
    // source of the same class every value is written.
    virtual void appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool commonOnly);
    virtual bool diffWritesLeft() const { return true; }
    virtual bool diffAlwaysWritesTop() const { return false; }
    virtual bool diffWritesWidth() const { return true; }
    // The width that aligned children are placed in.
    virtual double arrangeWidth() const;
    void defineFontProperties(TrpPropertyList& properties);
    void defineGeometryProperties(TrpPropertyList& properties);
    // Receives the error lines of a load; the report keeps them in its ErrorList.
    virtual void addLoadErrors(const std::vector<std::string>& errors);

private:
    void detachFromParent();

    TrpComponent* owner_ = nullptr;
    std::vector<TrpComponent*> owned_;
    TrpComponent* parent_ = nullptr;
    std::vector<TrpComponent*> objects_;
    std::string name_;
    TrpFont font_;
    bool parentFont_ = true;
};

// Creates an object the way the program creates one in code: a child of the owner, named with
// the report's next unique name.
template <class T>
T* rpCreate(TrpComponent* owner) {
    T* object = new T(owner);
    if (object->Report())
        object->SetName(object->CreateUniqueName());
    return object;
}

// A component that can be output: bands and views.
class TrpReportComponent : public TrpComponent {
public:
    using TrpComponent::TrpComponent;

    // Sum of Left (Top) of the object and its ancestors; the walk stops at a dialog page.
    double AbsLeft() const;
    double AbsTop() const;

    void SaveOutputState() override;
    void RestoreOutputState() override;

    void DefineProperties(TrpPropertyList& properties) override;

private:
    double savedLeft_ = 0, savedTop_ = 0, savedWidth_ = 0, savedHeight_ = 0;
};

} // namespace report
