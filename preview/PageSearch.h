// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Searching the text of prepared pages, the way the preview's Ctrl+F and F3 do: each page is
// drawn once at scale 1 into a recording, and its text records are searched in drawing order.
// One page's recording is kept, so F3 on the same page does not draw it again.
#include "platform/Canvas.h"
#include "platform/RecordingCanvas.h"

#include <memory>
#include <string>

namespace report {
class TrpPreviewPages;
}

namespace preview {

// What the last search was for; remembered for the rest of the process and offered again by the
// search dialog.
struct TrpSearchText {
    std::string text; // cp1250
    bool caseSensitive = false;
};
TrpSearchText& lastSearchText();

// The first text record after the record numbered `after` (records count from 0) whose string
// contains the text; -1 when none does. An empty text matches nothing. Without case sensitivity
// both sides are upper-cased with the locale's rules.
int findTextRecord(const platform::RecordingCanvas& page, const std::string& text,
                   bool caseSensitive, int after);

class TrpPageSearch {
public:
    // Where the next search starts: the page index, before its first text record.
    void StartAt(int pageIndex);
    // Forgets the kept recording (the pages were laid out anew or changed).
    void DropRecording();

    // Searches from where the last search stopped to the end of the pages. Found or not, the
    // search stands where it stopped: on the matching page, or past the last page.
    bool Run(report::TrpPreviewPages& pages, const TrpSearchText& what);

    bool Found() const { return found_; }
    int PageIndex() const { return page_; }
    int LastMatch() const { return lastMatch_; }
    // The matching record's bounds in report units at zoom 1, relative to the paper's corner.
    const platform::Rect& MatchRect() const { return match_; }
    // Which page the kept recording holds, -1 for none.
    int RecordedPage() const { return recordedPage_; }

private:
    int page_ = 0;
    int lastMatch_ = -1;
    bool found_ = false;
    platform::Rect match_;
    std::unique_ptr<platform::RecordingCanvas> recording_;
    int recordedPage_ = -1;
};

} // namespace preview
