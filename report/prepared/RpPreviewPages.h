// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prepared pages: what a preparation produced, kept for the preview and the printer. No live
// objects are kept: every output page is a node of an XML tree ("previewpages" under the root
// "preparedreport") whose object nodes name a source object by its alias and hold only the
// properties in which the output differs from it (DiffText). The source objects are copies of the
// design pages filed once per run. To draw or print a page it is rebuilt as objects from its node;
// the 50 most recently rebuilt pages are kept.
#include "report/objects/RpTextOverflow.h"
#include "report/prepared/RpDictionary.h"
#include "report/prepared/RpXmlFileCache.h"
#include "report/xml/RpXmlDocument.h"

#include "platform/Canvas.h"

#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace report {

class TrpComponent;
class TrpCustomReport;
class TrpPage;

class TrpPreviewPages {
public:
    static constexpr size_t MaxCachedPages = 50;

    // The pages of the report; its run state says which page is being filled and whether a
    // preparation is running.
    explicit TrpPreviewPages(TrpCustomReport& report);
    ~TrpPreviewPages();
    TrpPreviewPages(const TrpPreviewPages&) = delete;
    TrpPreviewPages& operator=(const TrpPreviewPages&) = delete;

    TrpXMLDocument Document;
    // Set by the engine's StopReport and by the print job's cancel control.
    bool StopRequested = false;
    // Host notifications: a page node was added; a run finished filling.
    std::function<void(int pageIndex)> OnPageAdded;
    std::function<void()> OnEndFilling;
    // Following a view's URL on a click: "@n" and anchors go to a page (index from 0); any other
    // link is handed to OnOpenURL, or to the system's handler when none is installed.
    std::function<void(int pageIndex)> OnGoToPage;
    std::function<void(const std::string& url)> OnOpenURL;
    // Lines of rebuilding and loading: classes that are not registered, values that cannot be set.
    std::vector<std::string> ReadErrors;

    int PageCount() const;
    // Index of the page being filled, -1 when there is none; the first page of the last run.
    int CurrentPageIndex() const;
    void SetCurrentPageIndex(int index);
    int RunFirstPage() const;
    void SetRunFirstPage(int index);

    // Drops the cache, the source pages, the tree, the dictionary and the temporary file.
    void Clear();
    // Before a run: the temporary folder from the engine options; StopRequested := false.
    void ResetForRun();
    // Copies a design page with all objects as a source page and files every object's copy in
    // the dictionary; the design objects are linked to their copies for the rest of the run.
    void FileSourcePage(TrpPage& page);
    // Moves to the next page index; a page node is added unless that index exists already.
    void AppendOutputPage(TrpPage& page);
    // Adds the band and its visible descendants to the current page.
    void StoreBandTree(TrpComponent& band);
    // Remembers the last page and its node count; DropPassPages removes what came after.
    void MarkPassStart();
    void DropPassPages();
    void EndFilling();

    // The page rebuilt as objects, or null when there is no such page. Valid until the next page
    // request.
    TrpPage* RebuildPage(int index);
    // Forgets the rebuilt pages (printing drops them after every page to keep memory flat).
    void DropCache();
    // Width and height of the page in report units, from its source page.
    QSize PageExtent(int index);
    // Draws a page: the scales are the zoom (or device dpi / 96), the offsets the device position
    // of the paper's top-left corner.
    void PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                   double offsetX, double offsetY);
    // The cursor of the topmost visible view under the point of a page drawn with these scales and
    // offsets (0 over none). A click follows the view's URL and calls the report's OnClickObject.
    int HitTest(int index, platform::Point point, int button, int shift, double scaleX,
                double scaleY, double offsetX, double offsetY, bool click);

    // The prepared-report file: previewpages, then sourcepages and dictionary, cp1250 bytes. The
    // loader reads such a file back in place of the current pages. Both raise platform::Error.
    void WritePreparedFile(const QString& fileName);
    void LoadPreparedFile(const QString& fileName);

    // The text objects of the pages whose text does not fit, in the order they were stored; Clear
    // empties the list.
    const std::vector<TrpTextOverflow>& TextOverflows() const { return overflows_; }

    const std::vector<std::unique_ptr<TrpPage>>& SourcePages() const { return sources_; }
    const TrpDictionary& Dictionary() const { return dictionary_; }
    size_t CachedPageCount() const { return cache_.size(); }
    // Bytes counted for the file cache since it last unloaded pages.
    long long StoredSize() const { return storedSize_; }
    QString TemporaryFileName() const { return fileCache_.FileName(); }

private:
    struct CachedPage {
        int index;
        std::unique_ptr<TrpPage> page;
    };

    TrpXMLItem& pagesNode();
    TrpXMLItem& pageNode(int index);
    int sourceIndexOf(const std::string& nodeName) const;
    void storeNode(TrpComponent& object, TrpXMLItem& parent, bool commonOnly);
    std::unique_ptr<TrpPage> buildPage(const TrpXMLItem& node);
    void buildObject(const TrpXMLItem& node, TrpComponent& parent);
    void unloadOlderPages();
    bool fileCacheOn() const;
    void followURL(const std::string& url);

    TrpCustomReport& report_;
    std::vector<std::unique_ptr<TrpPage>> sources_;
    TrpDictionary dictionary_;
    TrpXMLFileCache fileCache_;
    std::vector<CachedPage> cache_; // most recently used first
    std::vector<TrpTextOverflow> overflows_;
    long long storedSize_ = 0;
    int passPage_ = -1;
    size_t passNodes_ = 0;
};

} // namespace report
