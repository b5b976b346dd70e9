// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpComponent.h"

#include "report/common/RpProperties.h"
#include "report/common/RpResources.h"
#include "report/objects/RpComponentXml.h"
#include "report/objects/RpCustomReport.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpView.h"
#include "report/xml/RpDiffWriter.h"
#include "report/xml/RpXmlDocument.h"
#include "report/xml/RpXmlSerializer.h"

#include "platform/Error.h"

#include <algorithm>
#include <sstream>

namespace report {

TrpComponent::TrpComponent(TrpComponent* owner) {
    if (!owner)
        return;
    TrpCustomReport* report = owner->Report();
    owner_ = report ? static_cast<TrpComponent*>(report) : owner;
    owner_->owned_.push_back(this);
    parent_ = owner;
    owner->objects_.push_back(this);
    if (parentFont_)
        font_ = owner->font_;
}

TrpComponent::~TrpComponent() {
    detachFromParent();
    while (!objects_.empty())
        delete objects_.back();
    while (!owned_.empty())
        delete owned_.back();
    if (owner_)
        std::erase(owner_->owned_, this);
}

void TrpComponent::detachFromParent() {
    if (parent_)
        std::erase(parent_->objects_, this);
    parent_ = nullptr;
}

std::string TrpComponent::NameStem() const {
    std::string stem = ClassName();
    if (const size_t trp = stem.find("Trp"); trp != std::string::npos)
        stem.erase(trp, 3);
    if (const size_t view = stem.find("View"); view != std::string::npos)
        stem.erase(view, 4);
    return stem;
}

void TrpComponent::SetName(const std::string& name) {
    if (name == name_)
        return;
    if (const TrpCustomReport* report = Report()) {
        const TrpComponent* holder = report->FindByName(name);
        if (holder && holder != this)
            throw platform::Error(rpResource("prDupl"));
    }
    name_ = name;
}

std::string TrpComponent::CreateUniqueName() const {
    const TrpComponent* root = Report();
    if (!root)
        root = this;
    const std::string stem = NameStem();
    for (int n = 1;; ++n) {
        const std::string candidate = stem + std::to_string(n);
        if (!root->FindByName(candidate))
            return candidate;
    }
}

void TrpComponent::SetParent(TrpComponent* parent) {
    if (parent == parent_)
        return;
    detachFromParent();
    parent_ = parent;
    if (parent)
        parent->objects_.push_back(this);
    SetParentFont(parentFont_);
}

std::vector<TrpComponent*> TrpComponent::AllObjects() const {
    std::vector<TrpComponent*> all;
    const auto walk = [&all](const TrpComponent& node, const auto& self) -> void {
        for (TrpComponent* child : node.objects_) {
            all.push_back(child);
            self(*child, self);
        }
    };
    walk(*this, walk);
    return all;
}

TrpPage* TrpComponent::Page() const {
    for (const TrpComponent* c = this; c; c = c->parent_)
        if (auto* page = dynamic_cast<const TrpPage*>(c))
            return const_cast<TrpPage*>(page);
    return nullptr;
}

TrpCustomReport* TrpComponent::Report() const {
    for (const TrpComponent* c = this; c; c = c->parent_ ? c->parent_ : c->owner_)
        if (auto* report = dynamic_cast<const TrpCustomReport*>(c))
            return const_cast<TrpCustomReport*>(report);
    return nullptr;
}

TrpComponent* TrpComponent::FindByName(const std::string& name) const {
    for (TrpComponent* c : AllObjects())
        if (sameTextIgnoringCase(c->name_, name))
            return c;
    return nullptr;
}

void TrpComponent::SetBounds(double left, double top, double width, double height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

void TrpComponent::SetFont(const TrpFont& font) {
    font_ = font;
    PropagateFont();
}

void TrpComponent::SetParentFont(bool value) {
    if (value && parent_)
        SetFont(parent_->font_);
    parentFont_ = value;
}

void TrpComponent::PropagateFont() {
    parentFont_ = false;
    for (TrpComponent* child : objects_)
        if (child->parentFont_)
            child->SetParentFont(true);
}

void TrpComponent::ArrangeChildren() {
    // Aligned views are placed inside this component's area, in their order: left-aligned ones
    // side by side from the left edge, right-aligned ones from the right edge.
    const double width = arrangeWidth(), height = Height;
    double leftEdge = 0, rightEdge = width;
    for (TrpComponent* child : objects_) {
        auto* view = dynamic_cast<TrpView*>(child);
        if (!view)
            continue;
        switch (view->Align) {
        case baNone:
            break;
        case baLeft:
            view->Left = leftEdge;
            leftEdge += view->Width;
            break;
        case baRight:
            rightEdge -= view->Width;
            view->Left = rightEdge;
            break;
        case baCenter:
            view->Left = (width - view->Width) / 2;
            break;
        case baWidth:
            view->Left = 0;
            view->Width = width;
            break;
        case baBottom:
            view->Top = height - view->Height;
            break;
        }
    }
}

double TrpComponent::arrangeWidth() const {
    return Width;
}

void TrpComponent::Clear() {
    while (!objects_.empty())
        delete objects_.back();
}

void TrpComponent::LoadFromStream(std::istream& stream) {
    TrpXMLDocument document;
    document.Read(stream);
    std::vector<std::string> errors;
    Clear();
    TrpComponentXML::Read(*this, document.Root, errors, true);
    addLoadErrors(errors);
}

void TrpComponent::SaveToStream(std::ostream& stream, bool saveChildren) {
    TrpXMLDocument document;
    TrpComponentXML::Write(*this, document.Root, saveChildren, false);
    document.Write(stream);
}

void TrpComponent::addLoadErrors(const std::vector<std::string>& errors) {
    if (TrpCustomReport* report = Report())
        report->ErrorList.insert(report->ErrorList.end(), errors.begin(), errors.end());
}

void TrpComponent::Draw(platform::Canvas&, double, double, double, double) {}

void TrpComponent::Assign(TrpComponent& source) {
    // Every value is written, so that none of this object's own values survives the copy.
    std::vector<std::string> errors;
    TrpXMLSerializer::ReadProperties(*this, TrpXMLSerializer::WriteProperties(source, true),
                                     errors);
    addLoadErrors(errors);
}

void TrpComponent::AssignWithChildren(TrpComponent& source) {
    TrpXMLItem node;
    TrpComponentXML::Write(source, node, true, true);
    std::vector<std::string> errors;
    Clear();
    TrpComponentXML::Read(*this, node, errors, true);
    addLoadErrors(errors);
}

std::string TrpComponent::DiffText(TrpComponent& source, bool commonOnly) {
    TrpDiffWriter diff;
    appendDiff(diff, source, commonOnly);
    return diff.text;
}

void TrpComponent::appendDiff(TrpDiffWriter& diff, TrpComponent& source, bool) {
    const TrpComponent* s = &source;
    const TrpFont* f = &source.font_;
    if (diffWritesLeft())
        diff.number("l", Left, &s->Left);
    diff.number("t", Top, &s->Top, diffAlwaysWritesTop());
    if (diffWritesWidth())
        diff.number("w", Width, &s->Width);
    diff.number("h", Height, &s->Height);
    diff.boolean("Visible", Visible, &s->Visible);
    if (!parentFont_) {
        diff.string("Font.Name", font_.Name, &f->Name);
        diff.integer("Font.Size", font_.Size, &f->Size);
        diff.color("Font.Color", font_.Color, &f->Color);
        diff.integer("Font.Style", font_.Style, &f->Style);
        diff.integer("Font.Charset", font_.Charset, &f->Charset);
    }
    diff.boolean("ParentFont", parentFont_, &s->parentFont_);
    diff.integer("Tag", Tag, &s->Tag);
}

void TrpComponent::WriteExtraNodes(TrpXMLItem&) {}

bool TrpComponent::ReadExtraNode(const TrpXMLItem&, std::vector<std::string>&) {
    return false;
}

void TrpComponent::DefineProperties(TrpPropertyList& properties) {
    properties.integer("Tag", Tag, 0);
}

void TrpComponent::defineFontProperties(TrpPropertyList& properties) {
    // The font is written only when it is the object's own; reading any part of it makes it so.
    font_.OnChange = [this] { PropagateFont(); };
    properties.object("Font", font_, [this] { return !parentFont_; });
    properties.value(
        "ParentFont", [this] { return boolText(parentFont_); },
        [this](const std::string& t) { SetParentFont(textToBool(t)); }, boolText(true));
}

void TrpComponent::defineGeometryProperties(TrpPropertyList& properties) {
    properties.number("Left", Left, 0);
    properties.number("Top", Top, 0);
    properties.number("Width", Width, 0);
    properties.number("Height", Height, 0);
    properties.alias("l", [this](const std::string& t) { Left = textToFloat(t); });
    properties.alias("t", [this](const std::string& t) { Top = textToFloat(t); });
    properties.alias("w", [this](const std::string& t) { Width = textToFloat(t); });
    properties.alias("h", [this](const std::string& t) { Height = textToFloat(t); });
}

double TrpReportComponent::AbsLeft() const {
    double sum = 0;
    for (const TrpComponent* c = this; c; c = c->Parent()) {
        sum += c->Left;
        if (dynamic_cast<const TrpDialogPage*>(c->Parent()))
            break;
    }
    return sum;
}

double TrpReportComponent::AbsTop() const {
    double sum = 0;
    for (const TrpComponent* c = this; c; c = c->Parent()) {
        sum += c->Top;
        if (dynamic_cast<const TrpDialogPage*>(c->Parent()))
            break;
    }
    return sum;
}

void TrpReportComponent::SaveOutputState() {
    savedLeft_ = Left;
    savedTop_ = Top;
    savedWidth_ = Width;
    savedHeight_ = Height;
}

void TrpReportComponent::RestoreOutputState() {
    SetBounds(savedLeft_, savedTop_, savedWidth_, savedHeight_);
}

void TrpReportComponent::DefineProperties(TrpPropertyList& properties) {
    TrpComponent::DefineProperties(properties);
    defineGeometryProperties(properties);
    properties.integer("GroupIndex", GroupIndex, 0);
    properties.set("Restrictions", Restrictions, TrpRestrictionNames);
    properties.boolean("Visible", Visible, true);
}

} // namespace report
