// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PageSearch.h"

#include "report/prepared/RpPreviewPages.h"

#include "platform/Cp1250.h"

#include <QLocale>

namespace preview {
namespace {

QString upper(const std::string& cp1250) {
    return QLocale::system().toUpper(platform::toUnicode(cp1250));
}

} // namespace

TrpSearchText& lastSearchText() {
    static TrpSearchText what;
    return what;
}

int findTextRecord(const platform::RecordingCanvas& page, const std::string& text,
                   bool caseSensitive, int after) {
    if (text.empty())
        return -1;
    const QString needle = caseSensitive ? QString() : upper(text);
    const auto& records = page.records();
    for (int i = std::max(after + 1, 0); i < static_cast<int>(records.size()); ++i) {
        const platform::CanvasRecord& r = records[static_cast<size_t>(i)];
        if (r.kind != platform::CanvasRecord::Kind::TextOut)
            continue;
        const bool match =
            caseSensitive ? r.text.find(text) != std::string::npos : upper(r.text).contains(needle);
        if (match)
            return i;
    }
    return -1;
}

void TrpPageSearch::StartAt(int pageIndex) {
    page_ = pageIndex < 0 ? 0 : pageIndex;
    lastMatch_ = -1;
    found_ = false;
}

void TrpPageSearch::DropRecording() {
    recording_.reset();
    recordedPage_ = -1;
}

bool TrpPageSearch::Run(report::TrpPreviewPages& pages, const TrpSearchText& what) {
    found_ = false;
    while (page_ < pages.PageCount()) {
        if (recordedPage_ != page_) {
            recording_ = std::make_unique<platform::RecordingCanvas>();
            recordedPage_ = page_;
            pages.PaintPage(page_, *recording_, 1, 1, 0, 0);
        }
        const int record = findTextRecord(*recording_, what.text, what.caseSensitive, lastMatch_);
        if (record >= 0) {
            match_ = recording_->records()[static_cast<size_t>(record)].bounds;
            lastMatch_ = record;
            found_ = true;
            return true;
        }
        lastMatch_ = -1;
        ++page_;
    }
    return false;
}

} // namespace preview
