// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view's scrolling desk: prepared pages laid out on gray, painted around the current
// page, moved by the scroll bars, the keys, the wheel and the hand tool. Positions, ranges and the
// visible size are device pixels; a position always stays within 0 … range − visible size.
#include "preview/PageList.h"
#include "preview/PageSearch.h"

#include "platform/Canvas.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <string>
#include <vector>

namespace preview {

class TrpPreview;

class TrpPreviewWorkspace : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int ArrowStep = 8;
    static constexpr int PageStep = 300;
    static constexpr platform::TColor DeskColor = platform::rgb(128, 128, 128);
    // Pages farther than this from the current one are never painted.
    static constexpr int PaintedNeighbours = 20;
    // Kept page pictures together hold at most this many device pixels (4 bytes each); a page
    // larger than half of it is drawn straight onto the screen instead. Every page in sight fits
    // up to the zoom where one page alone is that large, so painting never drops a picture it
    // is about to need again.
    static constexpr long long PicturePixelBudget = 16LL * 1024 * 1024;

    explicit TrpPreviewWorkspace(TrpPreview& view);

    TrpPageList& Pages() { return layout_; }
    const TrpPageList& Pages() const { return layout_; }
    TrpPageSearch& Search() { return search_; }

    int ClientWidth() const;
    int ClientHeight() const;
    int HorzPosition() const;
    int VertPosition() const;
    // Clamped to 0 … range − visible size.
    void SetHorzPosition(int position);
    void SetVertPosition(int position);
    int HorzRange() const { return horzRange_; }
    int VertRange() const { return vertRange_; }
    // Ranges from the layout at the view's zoom; both 0 without pages.
    void SetRanges();
    void ClearRanges();

    // A page's rectangle at the view's zoom in the client area as it is scrolled now.
    platform::Rect ClientPageRect(int index) const;

    // Paints the part `area` of the client area onto the canvas: the desk, the pages in sight with
    // frame and shadow, their contents and the search highlight. Page contents come from kept page
    // pictures when `pictures` is set, otherwise straight from the prepared pages.
    void PaintArea(platform::Canvas& canvas, const platform::Rect& area, bool pictures);
    // Page pictures are kept only when the view is double buffered.
    void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }
    bool DoubleBuffered() const { return doubleBuffered_; }
    // Forgets kept page pictures (the pages or their zoom changed).
    void DropPictures();
    int PictureCount() const { return static_cast<int>(pictures_.size()); }

    bool Dragging() const { return dragging_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // A page drawn once at one zoom. Only the bands of the page that are not blank paper are
    // kept as images; the frame and the paper around them are painted directly, which writes
    // fewer pixels than copying them. When the contents cover the frame, the one band is the
    // whole page.
    struct InkBand {
        platform::Rect rect; // relative to the page's top-left corner
        QImage image;
    };
    struct PagePicture {
        int index;
        double zoom;
        std::vector<InkBand> bands; // none for a blank page
        bool wholePage = false;     // the one band holds the frame as well
        long long pixels() const;
    };

    void updateScrollBars();
    void drawPage(platform::Canvas& canvas, int index, const platform::Rect& rect, bool pictures);
    void drawPicture(platform::Canvas& canvas, const PagePicture& picture,
                     const platform::Rect& page);
    void drawHighlight(platform::Canvas& canvas, const platform::Rect& page);
    const PagePicture* pagePicture(int index, const platform::Rect& rect);
    // The store's hit test at a client point; a click follows links. Sets the cursor.
    void hitTest(const QPoint& point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                 bool click);
    // A page that could not be drawn or hit-tested: reported after the event (TrpPreview's
    // ReportLater), once until a paint succeeds again.
    void reportFailure(const std::string& message);

    TrpPreview& view_;
    TrpPageList layout_;
    TrpPageSearch search_;
    int horzRange_ = 0;
    int vertRange_ = 0;
    // The scroll positions the picture on the screen was painted with.
    int paintedX_ = 0;
    int paintedY_ = 0;
    bool dragging_ = false;
    QPoint lastMouse_;
    bool doubleBuffered_ = true;
    std::vector<PagePicture> pictures_; // most recently used first
    std::string reported_;              // the failure last reported
    bool failedInPaint_ = false;
};

} // namespace preview
