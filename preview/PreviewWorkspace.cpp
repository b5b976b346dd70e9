// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewWorkspace.h"

#include "preview/Preview.h"
#include "preview/PreviewCursors.h"

#include "report/common/RpTypes.h"
#include "report/prepared/RpPreviewPages.h"

#include "platform/PainterCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <algorithm>

namespace preview {
namespace {

using platform::Rect;

constexpr platform::CanvasPen blackPen{platform::clBlack, 1, platform::PenStyle::Solid,
                                       platform::PenMode::Copy};

// The screen is the 96-dpi reference device whatever the monitor reports: report units are
// pixels at 96 dpi, and the zoom alone scales them.
constexpr platform::PainterCanvasOptions screenOptions{false, 96, 96};

// Mouse buttons and shift state as the store's hit test takes them.
int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return 1;
    case Qt::MiddleButton:
        return 2;
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::AltModifier ? 2 : 0) |
           (modifiers & Qt::ControlModifier ? 4 : 0);
}

Rect shifted(Rect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

} // namespace

TrpPreviewWorkspace::TrpPreviewWorkspace(TrpPreview& view)
    : QAbstractScrollArea(&view)
    , view_(view) {
    setObjectName("Workspace");
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(ArrowStep);
        bar->setPageStep(PageStep);
    }
}

int TrpPreviewWorkspace::ClientWidth() const {
    return viewport()->width();
}

int TrpPreviewWorkspace::ClientHeight() const {
    return viewport()->height();
}

int TrpPreviewWorkspace::HorzPosition() const {
    return horizontalScrollBar()->value();
}

int TrpPreviewWorkspace::VertPosition() const {
    return verticalScrollBar()->value();
}

void TrpPreviewWorkspace::SetHorzPosition(int position) {
    horizontalScrollBar()->setValue(position);
}

void TrpPreviewWorkspace::SetVertPosition(int position) {
    verticalScrollBar()->setValue(position);
}

void TrpPreviewWorkspace::SetRanges() {
    if (layout_.Count() == 0) {
        ClearRanges();
        return;
    }
    const double zoom = view_.Zoom();
    // Ten pixels of desk on either side of the widest row at any zoom. The row's width counts the
    // gap after each page in page units; scaled with the zoom, the one after its last page made
    // the range exceed a desk that the page width fits (client width - 20) as soon as the zoom
    // is above 1, and a horizontal scroll bar with next to no range appeared. At zoom 1 both
    // come to the same.
    horzRange_ = report::rpRound(zoom * (layout_.WidestRow() - 10)) + 20;
    vertRange_ = layout_.PageRect(layout_.Count() - 1, zoom, ClientWidth()).bottom + 10;
    updateScrollBars();
}

void TrpPreviewWorkspace::ClearRanges() {
    horzRange_ = vertRange_ = 0;
    updateScrollBars();
}

void TrpPreviewWorkspace::updateScrollBars() {
    horizontalScrollBar()->setRange(0, std::max(0, horzRange_ - ClientWidth()));
    verticalScrollBar()->setRange(0, std::max(0, vertRange_ - ClientHeight()));
}

Rect TrpPreviewWorkspace::ClientPageRect(int index) const {
    return shifted(layout_.PageRect(index, view_.Zoom(), ClientWidth()), -paintedX_, -paintedY_);
}

void TrpPreviewWorkspace::DropPictures() {
    pictures_.clear();
}

void TrpPreviewWorkspace::PaintArea(platform::Canvas& canvas, const Rect& area, bool pictures) {
    const Rect client{0, 0, ClientWidth(), ClientHeight()};
    canvas.setBrush({DeskColor, platform::BrushStyle::Solid});
    if (view_.Locked() || layout_.Count() == 0 || !view_.Pages()) {
        canvas.fillRect(client);
        return;
    }
    const int current = layout_.FindPage(paintedY_, view_.Zoom(), false);
    const int first = std::max(0, current - PaintedNeighbours);
    const int last = std::min(layout_.Count() - 1, current + PaintedNeighbours);
    struct InSight {
        int index;
        Rect rect; // with the shadow row below it
    };
    std::vector<InSight> inSight;
    for (int i = first; i <= last; ++i) {
        Rect r = ClientPageRect(i);
        r.bottom += 1;
        // The shadow's column right of the page counts too, so that a strip holding only the
        // shadow gets it back.
        const Rect withShadow{r.left, r.top, r.right + 1, r.bottom};
        if (r.top <= client.bottom && r.bottom >= 0 && withShadow.intersects(area))
            inSight.push_back({i, r});
    }
    // The desk is painted around the pages, never under them, so that they do not flicker. Its
    // rectangles are filled one by one: cheaper than one fill through a clipping region.
    const Rect dirty = area.intersected(client);
    QRegion desk(dirty.left, dirty.top, dirty.width(), dirty.height());
    for (const InSight& page : inSight)
        desk -= QRegion(page.rect.left + 1, page.rect.top + 1, page.rect.width() - 2,
                        page.rect.height() - 2);
    for (const QRect& r : desk)
        canvas.fillRect({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    for (InSight& page : inSight) {
        page.rect.bottom -= 1;
        drawPage(canvas, page.index, page.rect, pictures);
    }
}

void TrpPreviewWorkspace::drawPage(platform::Canvas& canvas, int index, const Rect& r,
                                   bool pictures) {
    // A page that cannot be drawn (its prepared page lost from the temporary file, say) shows as
    // blank paper; the error is reported once the paint is over, for Qt's event loop must not see
    // an exception.
    std::string failure;
    const PagePicture* picture = nullptr;
    try {
        picture = pictures ? pagePicture(index, r) : nullptr;
    } catch (const std::exception& e) {
        failure = e.what();
    }
    canvas.setPen(blackPen);
    canvas.setBrush({platform::clWhite, platform::BrushStyle::Solid});
    if (picture)
        drawPicture(canvas, *picture, r);
    else
        canvas.rectangle(r);
    // The shadow below and right of the page: the pixels of a line through (left + 1, bottom),
    // (right, bottom), (right, top + 1), filled as two rectangles, which costs less than lines.
    canvas.setBrush({platform::clBlack, platform::BrushStyle::Solid});
    canvas.fillRect({r.left + 1, r.bottom, r.right, r.bottom + 1});
    canvas.fillRect({r.right, r.top + 2, r.right + 1, r.bottom + 1});
    if (!picture && failure.empty()) {
        // Contents end at the edge of the paper, as on a printed page.
        canvas.setClipRect(r);
        try {
            view_.Pages()->PaintPage(index, canvas, view_.Zoom(), view_.Zoom(), r.left, r.top);
        } catch (const std::exception& e) {
            failure = e.what();
            canvas.setPen(blackPen);
            canvas.setBrush({platform::clWhite, platform::BrushStyle::Solid});
            canvas.rectangle(r);
        }
        canvas.resetClip();
    }
    if (!failure.empty())
        reportFailure(failure);
    if (search_.Found() && search_.PageIndex() == index)
        drawHighlight(canvas, r);
}

// The match turned over in XOR, one pixel wider on either side.
void TrpPreviewWorkspace::drawHighlight(platform::Canvas& canvas, const Rect& page) {
    using report::rpRound;
    const double zoom = view_.Zoom();
    const Rect& m = search_.MatchRect();
    const int left = page.left + rpRound(m.left * zoom) - 1;
    const int right = page.left + rpRound(m.right * zoom) + 1;
    canvas.setPen({platform::clWhite, 1, platform::PenStyle::Solid, platform::PenMode::Xor});
    for (int y = page.top + rpRound(m.top * zoom); y <= page.top + rpRound(m.bottom * zoom); ++y)
        canvas.line({left, y}, {right, y});
    canvas.setPen(blackPen);
}

void TrpPreviewWorkspace::drawPicture(platform::Canvas& canvas, const PagePicture& picture,
                                      const Rect& page) {
    if (picture.wholePage) {
        canvas.stretchDraw(page, picture.bands.front().image);
        return;
    }
    canvas.setBrush({platform::clWhite, platform::BrushStyle::Clear});
    canvas.rectangle(page); // the frame alone
    canvas.setBrush({platform::clWhite, platform::BrushStyle::Solid});
    QRegion paper(page.left + 1, page.top + 1, page.width() - 2, page.height() - 2);
    for (const InkBand& band : picture.bands) {
        const Rect r = shifted(band.rect, page.left, page.top);
        paper -= QRegion(r.left, r.top, r.width(), r.height());
    }
    for (const QRect& r : paper)
        canvas.fillRect({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    for (const InkBand& band : picture.bands)
        canvas.stretchDraw(shifted(band.rect, page.left, page.top), band.image);
}

long long TrpPreviewWorkspace::PagePicture::pixels() const {
    long long n = 0;
    for (const InkBand& band : bands)
        n += static_cast<long long>(band.image.width()) * band.image.height();
    return n;
}

namespace {

// Rows of blank paper that end a band: fewer stay inside it, so that the lines of a paragraph
// make one band.
constexpr int bandGap = 8;

// The parts of a drawn page inside its frame that are not white paper, as bands of rows, each
// as narrow as its contents; the whole page when something covers the frame.
std::vector<QRect> inkBands(const QImage& page) {
    const int w = page.width(), h = page.height();
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    const auto line = [&](int y) { return reinterpret_cast<const QRgb*>(page.constScanLine(y)); };
    for (int x = 0; x < w; ++x)
        if (line(0)[x] != black || line(h - 1)[x] != black)
            return {page.rect()};
    for (int y = 0; y < h; ++y)
        if (line(y)[0] != black || line(y)[w - 1] != black)
            return {page.rect()};
    std::vector<QRect> bands;
    QRect band;
    int blankRows = 0;
    for (int y = 1; y < h - 1; ++y) {
        const QRgb* pixels = line(y);
        int first = 1;
        while (first < w - 1 && pixels[first] == white)
            ++first;
        if (first == w - 1) {
            if (++blankRows == bandGap && !band.isNull()) {
                bands.push_back(band);
                band = QRect();
            }
            continue;
        }
        blankRows = 0;
        int last = w - 2;
        while (pixels[last] == white)
            --last;
        const QRect row(first, y, last - first + 1, 1);
        band = band.isNull() ? row : band.united(row);
    }
    if (!band.isNull())
        bands.push_back(band);
    return bands;
}

} // namespace

// The page at this zoom drawn once, kept for the next paints: scrolling back and forth and
// repainting after a dialog only copy pixels.
const TrpPreviewWorkspace::PagePicture* TrpPreviewWorkspace::pagePicture(int index,
                                                                         const Rect& rect) {
    const double zoom = view_.Zoom();
    const auto kept = std::find_if(pictures_.begin(), pictures_.end(), [&](const PagePicture& p) {
        return p.index == index && p.zoom == zoom;
    });
    if (kept != pictures_.end()) {
        std::rotate(pictures_.begin(), kept, kept + 1);
        return &pictures_.front();
    }
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize size(qRound(rect.width() * ratio), qRound(rect.height() * ratio));
    if (size.isEmpty() ||
        static_cast<long long>(size.width()) * size.height() > PicturePixelBudget / 2)
        return nullptr;
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    {
        platform::PainterCanvas canvas(image, screenOptions);
        canvas.setPen(blackPen);
        canvas.setBrush({platform::clWhite, platform::BrushStyle::Solid});
        canvas.rectangle({0, 0, rect.width(), rect.height()});
        view_.Pages()->PaintPage(index, canvas, zoom, zoom, 0, 0);
    }
    PagePicture picture{index, zoom, {}, false};
    // On a scaled screen device pixels do not map onto whole page pixels: keep the whole page.
    const std::vector<QRect> bands =
        ratio == 1 ? inkBands(image) : std::vector<QRect>{image.rect()};
    if (bands.size() == 1 && bands.front() == image.rect()) {
        picture.bands.push_back({Rect{0, 0, rect.width(), rect.height()}, std::move(image)});
        picture.wholePage = true;
    } else {
        for (const QRect& r : bands)
            picture.bands.push_back(
                {Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}, image.copy(r)});
    }
    pictures_.insert(pictures_.begin(), std::move(picture));
    long long total = 0;
    for (size_t i = 0; i < pictures_.size(); ++i) {
        total += pictures_[i].pixels();
        if (total > PicturePixelBudget) {
            pictures_.erase(pictures_.begin() + static_cast<std::ptrdiff_t>(i), pictures_.end());
            break;
        }
    }
    return &pictures_.front();
}

void TrpPreviewWorkspace::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    // Clipping to what needs repainting lets the page skip the objects outside it.
    painter.setClipRegion(event->region());
    platform::PainterCanvas canvas(painter, screenOptions);
    const QRect r = event->rect();
    failedInPaint_ = false;
    PaintArea(canvas, {r.left(), r.top(), r.right() + 1, r.bottom() + 1}, doubleBuffered_);
    if (!failedInPaint_)
        reported_.clear();
}

void TrpPreviewWorkspace::reportFailure(const std::string& message) {
    failedInPaint_ = true;
    // Once reported, the same failure is not reported again until a paint succeeds: the paint
    // after the error box closes would fail again and open the box again.
    if (message == reported_)
        return;
    reported_ = message;
    view_.ReportLater(message);
}

void TrpPreviewWorkspace::scrollContentsBy(int dx, int dy) {
    // What is on the screen moves along; only the uncovered strip is painted.
    viewport()->scroll(dx, dy);
    paintedX_ = HorzPosition();
    paintedY_ = VertPosition();
    if (dy != 0)
        view_.pageFromScroll();
}

bool TrpPreviewWorkspace::viewportEvent(QEvent* event) {
    const bool result = QAbstractScrollArea::viewportEvent(event);
    if (event->type() == QEvent::Resize) {
        updateScrollBars();
        view_.RefitZoom();
    }
    return result;
}

void TrpPreviewWorkspace::mousePressEvent(QMouseEvent* event) {
    view_.setFocus();
    if (event->button() == Qt::LeftButton && view_.Tool() == TrpPreviewTool::Hand) {
        dragging_ = true;
        lastMouse_ = event->position().toPoint();
    }
}

void TrpPreviewWorkspace::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (dragging_) {
        const QPoint moved = lastMouse_ - point;
        lastMouse_ = point;
        SetHorzPosition(HorzPosition() + moved.x());
        SetVertPosition(VertPosition() + moved.y());
        return;
    }
    hitTest(point, Qt::NoButton, event->modifiers(), false);
}

void TrpPreviewWorkspace::mouseReleaseEvent(QMouseEvent* event) {
    if (view_.Tool() == TrpPreviewTool::Zoom) {
        if (event->button() == Qt::LeftButton)
            view_.ApplyZoom(view_.Zoom() + 0.25);
        else if (event->button() == Qt::RightButton)
            view_.ApplyZoom(view_.Zoom() - 0.25);
        return;
    }
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
    hitTest(event->position().toPoint(), event->button(), event->modifiers(), true);
}

void TrpPreviewWorkspace::wheelEvent(QWheelEvent* event) {
    // The window hands every wheel message to the view, wherever the mouse is.
    event->ignore();
}

void TrpPreviewWorkspace::hitTest(const QPoint& point, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers, bool click) {
    report::TrpPreviewPages* pages = view_.Pages();
    if (!pages || view_.Locked())
        return;
    const int index = layout_.FindPage(point.y() + paintedY_, view_.Zoom(), true);
    int cursor = crDefault;
    if (index >= 0 && index < layout_.Count()) {
        const Rect page = ClientPageRect(index);
        try {
            cursor = pages->HitTest(index, {point.x(), point.y()}, buttonCode(button),
                                    shiftState(modifiers), view_.Zoom(), view_.Zoom(), page.left,
                                    page.top, click);
        } catch (const std::exception& e) {
            reportFailure(e.what());
        }
    }
    if (cursor == crDefault)
        cursor = view_.Tool() == TrpPreviewTool::Hand ? crHand : crZoom;
    viewport()->setCursor(previewCursor(cursor));
}

} // namespace preview
