#include "preview/PreviewWorkspace.h"

#include "preview/Preview.h"
#include "preview/PreviewCursors.h"

#include "report/RpPreviewPages.h"
#include "report/RpTypes.h"

#include "platform/ErrorReport.h"
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
    horzRange_ = report::rpRound(zoom * layout_.WidestRow()) + 10;
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
    const QImage* picture = pictures ? pagePicture(index, r) : nullptr;
    canvas.setPen(blackPen);
    canvas.setBrush({platform::clWhite, platform::BrushStyle::Solid});
    if (picture)
        canvas.stretchDraw(r, *picture);
    else
        canvas.rectangle(r);
    const platform::Point shadow[] = {
        {r.left + 1, r.bottom}, {r.right, r.bottom}, {r.right, r.top + 1}};
    canvas.polyline(shadow);
    if (!picture)
        view_.Pages()->PaintPage(index, canvas, view_.Zoom(), view_.Zoom(), r.left, r.top);
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

// The page at this zoom drawn once into an image (frame and contents), kept for the next paints:
// scrolling back and forth and repainting after a dialog only copy pixels.
const QImage* TrpPreviewWorkspace::pagePicture(int index, const Rect& rect) {
    const double zoom = view_.Zoom();
    const auto kept = std::find_if(pictures_.begin(), pictures_.end(), [&](const PagePicture& p) {
        return p.index == index && p.zoom == zoom;
    });
    if (kept != pictures_.end()) {
        std::rotate(pictures_.begin(), kept, kept + 1);
        return &pictures_.front().image;
    }
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize size(qRound(rect.width() * ratio), qRound(rect.height() * ratio));
    const auto pixels = [](const QSize& s) {
        return static_cast<long long>(s.width()) * s.height();
    };
    if (size.isEmpty() || pixels(size) > PicturePixelBudget / 2)
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
    pictures_.insert(pictures_.begin(), {index, zoom, std::move(image)});
    long long total = 0;
    for (size_t i = 0; i < pictures_.size(); ++i) {
        total += pixels(pictures_[i].image.size());
        if (total > PicturePixelBudget) {
            pictures_.erase(pictures_.begin() + static_cast<std::ptrdiff_t>(i), pictures_.end());
            break;
        }
    }
    return &pictures_.front().image;
}

void TrpPreviewWorkspace::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    // Clipping to what needs repainting lets the page skip the objects outside it.
    painter.setClipRegion(event->region());
    platform::PainterCanvas canvas(painter, screenOptions);
    const QRect r = event->rect();
    PaintArea(canvas, {r.left(), r.top(), r.right() + 1, r.bottom() + 1}, doubleBuffered_);
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
        platform::runCommand([&] {
            cursor = pages->HitTest(index, {point.x(), point.y()}, buttonCode(button),
                                    shiftState(modifiers), view_.Zoom(), view_.Zoom(), page.left,
                                    page.top, click);
        });
    }
    if (cursor == crDefault)
        cursor = view_.Tool() == TrpPreviewTool::Hand ? crHand : crZoom;
    viewport()->setCursor(previewCursor(cursor));
}

} // namespace preview
