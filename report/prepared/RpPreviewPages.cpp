// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/prepared/RpPreviewPages.h"

#include "report/common/RpProperties.h"
#include "report/common/RpResources.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpClassRegistry.h"
#include "report/objects/RpComponentXml.h"
#include "report/objects/RpCustomReport.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"
#include "report/xml/RpXmlSerializer.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QDesktopServices>
#include <QUrl>
#include <algorithm>

namespace report {
namespace {

constexpr const char* previewPagesName = "previewpages";
// Far more than any page written here; a longer number in a node name is not a page reference.
constexpr size_t maxIndexDigits = 9;

// The page background: the page's colour and frame over the printable area.
class PageBackground : public TrpView {
public:
    using TrpView::TrpView;
    const char* ClassName() const override { return "TrpView"; }
};

// "m" for text objects, "l" for lines ... from the name stem; "b" for every band.
std::string aliasPrefixOf(const TrpComponent& object) {
    if (dynamic_cast<const TrpBand*>(&object))
        return "b";
    const std::string stem = object.NameStem();
    if (stem.empty())
        return "o";
    const char c = stem.front();
    return std::string(1, c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
}

// The left and top margin a page is drawn with: pages with an odd index of a page with mirrored
// margins exchange left and right.
double leftMarginOf(const TrpReportPage& page, int index) {
    return page.MirrorMargins && index % 2 == 1 ? page.RightMargin : page.LeftMargin;
}

// Exchanges the margins of a mirrored page for one drawing.
class MirroredMargins {
public:
    MirroredMargins(TrpReportPage& page, int index)
        : page_(page)
        , swapped_(page.MirrorMargins && index % 2 == 1) {
        if (swapped_)
            std::swap(page_.LeftMargin, page_.RightMargin);
    }
    ~MirroredMargins() {
        if (swapped_)
            std::swap(page_.LeftMargin, page_.RightMargin);
    }
    MirroredMargins(const MirroredMargins&) = delete;
    MirroredMargins& operator=(const MirroredMargins&) = delete;

private:
    TrpReportPage& page_;
    bool swapped_;
};

} // namespace

TrpPreviewPages::TrpPreviewPages(TrpCustomReport& report) : report_(report) {
    Document.Root.Name = "preparedreport";
    pagesNode();
}

TrpPreviewPages::~TrpPreviewPages() = default;

TrpXMLItem& TrpPreviewPages::pagesNode() {
    return Document.Root.FindOrCreate(previewPagesName);
}

TrpXMLItem& TrpPreviewPages::pageNode(int index) {
    return pagesNode().Item(static_cast<size_t>(index));
}

int TrpPreviewPages::PageCount() const {
    const TrpXMLItem* pages = Document.Root.Find(previewPagesName);
    return pages ? static_cast<int>(pages->Count()) : 0;
}

int TrpPreviewPages::CurrentPageIndex() const {
    return report_.Run.CurrentPageIndex;
}

void TrpPreviewPages::SetCurrentPageIndex(int index) {
    report_.Run.CurrentPageIndex = index;
}

int TrpPreviewPages::RunFirstPage() const {
    return report_.Run.RunFirstPage;
}

void TrpPreviewPages::SetRunFirstPage(int index) {
    report_.Run.RunFirstPage = index;
}

bool TrpPreviewPages::fileCacheOn() const {
    return report_.EngineOptions.UseFileCache;
}

void TrpPreviewPages::Clear() {
    DropCache();
    sources_.clear();
    Document.Root.Clear();
    Document.Root.Name = "preparedreport";
    Document.Root.Text.clear();
    pagesNode();
    dictionary_.Clear();
    fileCache_.Clear();
    SetCurrentPageIndex(-1);
    SetRunFirstPage(0);
    storedSize_ = 0;
    passPage_ = -1;
    passNodes_ = 0;
    overflows_.clear();
}

void TrpPreviewPages::ResetForRun() {
    fileCache_.SetFolder(platform::toUnicode(report_.EngineOptions.TempDir));
    StopRequested = false;
}

void TrpPreviewPages::FileSourcePage(TrpPage& page) {
    TrpXMLItem form;
    TrpComponentXML::Write(page, form, true);
    std::unique_ptr<TrpPage> copy = TrpClassRegistry::CreateAs<TrpPage>(page.ClassName(), nullptr);
    if (!copy) {
        report_.ErrorList.push_back(rpResource("xrCantFindClass") + " " + page.ClassName());
        return;
    }
    std::vector<std::string> errors;
    TrpComponentXML::Read(*copy, form, errors, false);
    report_.ErrorList.insert(report_.ErrorList.end(), errors.begin(), errors.end());
    const std::string keyPrefix = "Page" + std::to_string(sources_.size()) + ".";
    page.SourceLink = copy.get();
    // The copy holds the same objects in the same order, unless a class could not be created
    // (an error line says so); pairing stops at the first object that differs.
    const std::vector<TrpComponent*> designs = page.AllObjects(), copies = copy->AllObjects();
    for (size_t i = 0; i < designs.size() && i < copies.size(); ++i) {
        TrpComponent& design = *designs[i];
        TrpComponent& source = *copies[i];
        if (std::string(design.ClassName()) != source.ClassName())
            break;
        const std::string alias = dictionary_.CreateAlias(aliasPrefixOf(source));
        dictionary_.Add(alias, keyPrefix + source.Name(), &source);
        source.SourceText = TrpXMLSerializer::WriteProperties(source);
        source.Alias = alias;
        design.Alias = alias;
        // Only the design object points to its copy: the design objects are replaced after the
        // run, and a link back from the copy would be left dangling.
        design.SourceLink = &source;
    }
    sources_.push_back(std::move(copy));
}

int TrpPreviewPages::sourceIndexOf(const std::string& nodeName) const {
    if (nodeName.size() <= 4 || nodeName.size() > 4 + maxIndexDigits ||
        !sameTextIgnoringCase(nodeName.substr(0, 4), "page"))
        return -1;
    int index = 0;
    for (char c : nodeName.substr(4)) {
        if (c < '0' || c > '9')
            return -1;
        index = index * 10 + (c - '0');
    }
    return index < static_cast<int>(sources_.size()) ? index : -1;
}

void TrpPreviewPages::AppendOutputPage(TrpPage& page) {
    SetCurrentPageIndex(CurrentPageIndex() + 1);
    if (CurrentPageIndex() < PageCount())
        return; // the engine reuses a page it continues on
    if (!page.SourceLink)
        FileSourcePage(page);
    const auto source = std::find_if(sources_.begin(), sources_.end(),
                                     [&page](const auto& s) { return s.get() == page.SourceLink; });
    TrpXMLItem& node = pagesNode().Add("page" + std::to_string(source - sources_.begin()));
    node.Unloadable = PageCount() > 2;
    storedSize_ += static_cast<long long>(node.Name.size() + sizeof(TrpXMLItem) + 16);
    DropCache();
    if (OnPageAdded)
        OnPageAdded(PageCount() - 1);
    SetCurrentPageIndex(PageCount() - 1);
    if (fileCacheOn() &&
        storedSize_ > static_cast<long long>(report_.EngineOptions.MaxMemSize) * 1048576LL)
        unloadOlderPages();
}

// Pages before the newest go to the temporary file, newest first, until one that is there
// already.
void TrpPreviewPages::unloadOlderPages() {
    for (int i = PageCount() - 2; i >= 0; --i) {
        TrpXMLItem& node = pageNode(i);
        if (!node.Loaded)
            break;
        if (node.Unloadable)
            fileCache_.Unload(node);
    }
    storedSize_ = 0;
}

void TrpPreviewPages::StoreBandTree(TrpComponent& band) {
    if (CurrentPageIndex() < 0 || CurrentPageIndex() >= PageCount())
        throw platform::Error("No prepared page to store the band on");
    TrpXMLItem& page = pageNode(CurrentPageIndex());
    fileCache_.Load(page);
    page.FilePosition = -1; // changed: a copy in the temporary file is out of date
    const bool commonOnly = !report_.Run.FinalPass;
    storeNode(band, page, commonOnly);
    DropCache();
}

void TrpPreviewPages::storeNode(TrpComponent& object, TrpXMLItem& parent, bool commonOnly) {
    if (!object.Visible)
        return;
    TrpXMLItem& node = parent.Add();
    if (TrpComponent* source = object.SourceLink) {
        node.Name = source->Alias;
        node.Text = object.DiffText(*source, commonOnly);
    } else {
        node.Name = object.ClassName();
        node.Text = TrpXMLSerializer::WriteProperties(object);
    }
    storedSize_ +=
        static_cast<long long>(node.Name.size() + node.Text.size() + sizeof(TrpXMLItem) + 16);
    if (auto* memo = dynamic_cast<TrpCustomMemoView*>(&object); memo && !commonOnly) {
        const std::string lost = memo->TextThatDoesNotFit();
        if (!lost.empty())
            overflows_.push_back(
                {CurrentPageIndex(), platform::toUnicode(memo->Name()), platform::toUnicode(lost)});
    }
    for (TrpComponent* child : object.Objects())
        storeNode(*child, node, commonOnly);
}

void TrpPreviewPages::MarkPassStart() {
    passPage_ = PageCount() - 1;
    passNodes_ = 0;
    if (passPage_ >= 0) {
        fileCache_.Load(pageNode(passPage_));
        passNodes_ = pageNode(passPage_).Count();
    }
}

void TrpPreviewPages::DropPassPages() {
    TrpXMLItem& pages = pagesNode();
    while (PageCount() - 1 > passPage_)
        pages.Delete(pages.Count() - 1);
    if (passPage_ >= 0) {
        TrpXMLItem& page = pageNode(passPage_);
        fileCache_.Load(page);
        page.FilePosition = -1;
        while (page.Count() > passNodes_)
            page.Delete(page.Count() - 1);
    }
    SetCurrentPageIndex(passPage_);
    DropCache();
}

void TrpPreviewPages::EndFilling() {
    DropCache();
    if (OnEndFilling)
        OnEndFilling();
}

void TrpPreviewPages::DropCache() {
    cache_.clear();
}

TrpPage* TrpPreviewPages::RebuildPage(int index) {
    if (index < 0 || index >= PageCount())
        return nullptr;
    const auto cached = std::find_if(cache_.begin(), cache_.end(),
                                     [index](const CachedPage& c) { return c.index == index; });
    if (cached != cache_.end()) {
        if (!report_.Run.Running) {
            std::rotate(cache_.begin(), cached, cached + 1);
            return cache_.front().page.get();
        }
        cache_.erase(cached);
    }
    TrpXMLItem& node = pageNode(index);
    fileCache_.Load(node);
    std::unique_ptr<TrpPage> page = buildPage(node);
    if (!page)
        return nullptr;
    page->ArrangeChildren();
    cache_.insert(cache_.begin(), {index, std::move(page)});
    if (cache_.size() > MaxCachedPages) {
        TrpXMLItem& evicted = pageNode(cache_.back().index);
        if (fileCacheOn() && evicted.Unloadable)
            fileCache_.Unload(evicted);
        cache_.pop_back();
    }
    return cache_.front().page.get();
}

std::unique_ptr<TrpPage> TrpPreviewPages::buildPage(const TrpXMLItem& node) {
    if (sameTextIgnoringCase(node.Name, "TrpReportPage")) {
        auto page = std::make_unique<TrpReportPage>();
        TrpComponentXML::Read(*page, node, ReadErrors, false);
        return page;
    }
    const int sourceIndex = sourceIndexOf(node.Name);
    TrpPage* source = sourceIndex < 0 ? nullptr : sources_[static_cast<size_t>(sourceIndex)].get();
    if (!source) {
        ReadErrors.push_back(rpResource("xrCantFindClass") + " " + node.Name);
        return nullptr;
    }
    std::unique_ptr<TrpPage> page =
        TrpClassRegistry::CreateAs<TrpPage>(source->ClassName(), nullptr);
    if (!page)
        return nullptr;
    TrpXMLSerializer::ReadProperties(*page, TrpXMLSerializer::WriteProperties(*source, true),
                                     ReadErrors);
    page->SetName(source->Name());
    for (size_t i = 0; i < node.Count(); ++i)
        buildObject(node.Item(i), *page);
    return page;
}

// An alias builds the object from its source's stored text followed by the node's difference
// text; any other node name is a class name with the node's text.
void TrpPreviewPages::buildObject(const TrpXMLItem& node, TrpComponent& parent) {
    const TrpComponent* source = dictionary_.ObjectOf(node.Name);
    const std::string className = source ? source->ClassName() : node.Name;
    std::unique_ptr<TrpComponent> created =
        TrpClassRegistry::CreateAs<TrpComponent>(className, &parent);
    if (!created) {
        ReadErrors.push_back(rpResource("xrCantFindClass") + " " + node.Name);
        return;
    }
    TrpComponent* object = created.release(); // the parent's from now on
    if (source) {
        TrpXMLSerializer::ReadProperties(*object, source->SourceText + " " + node.Text, ReadErrors);
        object->SetName(source->Name());
    } else {
        TrpXMLSerializer::ReadProperties(*object, node.Text, ReadErrors);
    }
    for (size_t i = 0; i < node.Count(); ++i)
        buildObject(node.Item(i), *object);
}

QSize TrpPreviewPages::PageExtent(int index) {
    if (index < 0 || index >= PageCount())
        return {};
    const int sourceIndex = sourceIndexOf(pageNode(index).Name);
    const TrpPage* page =
        sourceIndex >= 0 ? sources_[static_cast<size_t>(sourceIndex)].get() : RebuildPage(index);
    if (!page)
        return {};
    return {rpRound(page->Width), rpRound(page->Height)};
}

void TrpPreviewPages::PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                                double offsetX, double offsetY) {
    auto* page = dynamic_cast<TrpReportPage*>(RebuildPage(index));
    if (!page)
        return;
    const MirroredMargins margins(*page, index);
    PageBackground background;
    background.SetBounds(page->LeftMargin * fr01cm, page->TopMargin * fr01cm,
                         (page->PaperWidth() - page->LeftMargin - page->RightMargin) * fr01cm - 1,
                         (page->PaperHeight() - page->TopMargin - page->BottomMargin) * fr01cm - 1);
    background.Color = page->Color;
    background.Frame = page->Frame;
    background.Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    offsetX += page->LeftMargin * fr01cm * scaleX;
    offsetY += page->TopMargin * fr01cm * scaleY;
    const std::optional<platform::Rect> visible = canvas.visibleArea();
    const bool printer = canvas.isPrinter();
    const int pageCount = PageCount();
    for (TrpComponent* object : page->AllObjects()) {
        auto* view = dynamic_cast<TrpView*>(object);
        if (!view || (printer && !view->Printable))
            continue;
        if (visible) {
            const double left = view->AbsLeft(), top = view->AbsTop();
            const platform::Rect area{rpRound(offsetX + left * scaleX) - 20,
                                      rpRound(offsetY + top * scaleY) - 20,
                                      rpRound(offsetX + (left + view->Width) * scaleX) + 20,
                                      rpRound(offsetY + (top + view->Height) * scaleY) + 20};
            if (!area.intersects(*visible))
                continue;
        }
        if (auto* memo = dynamic_cast<TrpCustomMemoView*>(view))
            memo->PreparedPageCount = pageCount;
        view->IsPrinting = printer;
        struct PrintingFlag {
            TrpView& view;
            ~PrintingFlag() { view.IsPrinting = false; }
        } flag{*view};
        view->Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    }
}

int TrpPreviewPages::HitTest(int index, platform::Point point, int button, int shift, double scaleX,
                             double scaleY, double offsetX, double offsetY, bool click) {
    auto* page = dynamic_cast<TrpReportPage*>(RebuildPage(index));
    if (!page)
        return 0;
    offsetX += leftMarginOf(*page, index) * fr01cm * scaleX;
    offsetY += page->TopMargin * fr01cm * scaleY;
    const std::vector<TrpComponent*> objects = page->AllObjects();
    TrpView* hit = nullptr;
    for (auto it = objects.rbegin(); it != objects.rend() && !hit; ++it) {
        auto* view = dynamic_cast<TrpView*>(*it);
        if (!view || !view->Visible)
            continue;
        const double left = view->AbsLeft(), top = view->AbsTop();
        if (point.x >= rpRound(offsetX + left * scaleX) &&
            point.x < rpRound(offsetX + (left + view->Width) * scaleX) &&
            point.y >= rpRound(offsetY + top * scaleY) &&
            point.y < rpRound(offsetY + (top + view->Height) * scaleY))
            hit = view;
    }
    if (!hit)
        return 0;
    if (report_.OnMouseOverObject)
        report_.OnMouseOverObject(hit);
    const int cursor = hit->Cursor;
    if (click) {
        // The handlers may ask for another page, which may replace this one in the cache.
        const std::string url = hit->URL;
        if (report_.OnClickObject) {
            bool modified = false;
            report_.OnClickObject(hit, button, shift, modified);
        }
        followURL(url);
    }
    return cursor;
}

void TrpPreviewPages::followURL(const std::string& url) {
    if (url.empty())
        return;
    const auto goToPage = [this](const std::string& number, int first) {
        try {
            const int index = platform::strToInt(number) - first;
            if (OnGoToPage && index >= 0 && index < PageCount())
                OnGoToPage(index);
            return true;
        } catch (const platform::ConvertError&) {
            return false;
        }
    };
    if (url.front() == '@' && goToPage(url.substr(1), 1))
        return;
    if (url.front() == '#') {
        // Anchors come only with pages loaded from a file; this engine sets none.
        if (const TrpXMLItem* anchors = Document.Root.Find("anchors"))
            for (size_t i = 0; i < anchors->Count(); ++i)
                if (anchors->Item(i).Attribute("text") == url.substr(1)) {
                    goToPage(anchors->Item(i).Attribute("page"), 0);
                    break;
                }
        return;
    }
    if (OnOpenURL)
        OnOpenURL(url);
    else
        QDesktopServices::openUrl(QUrl::fromUserInput(platform::toUnicode(url)));
}

} // namespace report
