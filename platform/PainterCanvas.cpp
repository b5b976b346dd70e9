// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PainterCanvas.h"

#include "platform/FontCache.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

// Dash patterns of one-pixel styled pens, on and off lengths in pixels, as the device context
// the engine was written for draws them.
std::span<const int> dashPattern(PenStyle style) {
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case PenStyle::Dash:
        return dash;
    case PenStyle::Dot:
        return dot;
    case PenStyle::DashDot:
        return dashDot;
    case PenStyle::DashDotDot:
        return dashDotDot;
    default:
        return {};
    }
}

Qt::BrushStyle qtHatch(BrushStyle style) {
    switch (style) {
    case BrushStyle::Horizontal:
        return Qt::HorPattern;
    case BrushStyle::Vertical:
        return Qt::VerPattern;
    case BrushStyle::FDiagonal:
        return Qt::FDiagPattern;
    case BrushStyle::BDiagonal:
        return Qt::BDiagPattern;
    case BrushStyle::Cross:
        return Qt::CrossPattern;
    case BrushStyle::DiagCross:
        return Qt::DiagCrossPattern;
    case BrushStyle::Solid:
        return Qt::SolidPattern;
    case BrushStyle::Clear:
        break;
    }
    return Qt::NoBrush;
}

QBrush qtBrush(const CanvasBrush& brush) {
    const QColor color = toQColor(brush.color);
    if (!color.isValid())
        return Qt::NoBrush;
    return QBrush(color, qtHatch(brush.style));
}

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, const PainterCanvasOptions& options)
    : painter_(&painter) {
    init(options);
}

PainterCanvas::PainterCanvas(QPaintDevice& device, const PainterCanvasOptions& options)
    : ownPainter_(std::make_unique<QPainter>(&device))
    , painter_(ownPainter_.get()) {
    init(options);
}

PainterCanvas::~PainterCanvas() {
    if (ownPainter_)
        ownPainter_->end();
}

void PainterCanvas::init(const PainterCanvasOptions& options) {
    QPaintDevice* device = painter_->device();
    dpiX_ = options.dpiX > 0 ? options.dpiX : device->logicalDpiX();
    dpiY_ = options.dpiY > 0 ? options.dpiY : device->logicalDpiY();
    isPrinter_ = options.isPrinter.value_or(device->devType() == QInternal::Printer);
    shareEqualPictures_ = options.shareEqualPictures;
    initialClipping_ = painter_->hasClipping();
    initialClip_ = painter_->clipRegion();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

Rect PainterCanvas::deviceRect() const {
    const QPaintDevice* device = painter_->device();
    return {0, 0, device->width(), device->height()};
}

std::optional<Rect> PainterCanvas::visibleArea() const {
    Rect area = deviceRect();
    if (painter_->hasClipping()) {
        const QRect box = painter_->clipBoundingRect().toAlignedRect();
        area = area.intersected({box.left(), box.top(), box.right() + 1, box.bottom() + 1});
    }
    return area;
}

void PainterCanvas::paintPixels(const QRect& rect, const QColor& color, bool xorMode) {
    if (rect.isEmpty() || !color.isValid())
        return;
    if (xorMode) {
        painter_->save();
        painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter_->fillRect(rect, color);
        painter_->restore();
    } else {
        painter_->fillRect(rect, color);
    }
}

void PainterCanvas::fillRect(const Rect& rect) {
    if (rect.isEmpty() || brush().style == BrushStyle::Clear)
        return;
    if (brush().style == BrushStyle::Solid) {
        paintPixels(toQRect(rect), toQColor(brush().color), false);
        return;
    }
    // Hatches leave their gaps alone, whatever the background mode says.
    painter_->save();
    painter_->setBackgroundMode(Qt::TransparentMode);
    painter_->fillRect(toQRect(rect), qtBrush(brush()));
    painter_->restore();
}

void PainterCanvas::rectangle(const Rect& rect) {
    if (rect.isEmpty())
        return;
    if (pen().style == PenStyle::Clear) {
        // Without an outline the figure is one pixel smaller, as the outline would cover it.
        fillRect({rect.left, rect.top, rect.right - 1, rect.bottom - 1});
        return;
    }
    if (pen().width > 1) {
        fillRect({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1});
        const Point corners[] = {{rect.left, rect.top},
                                 {rect.right - 1, rect.top},
                                 {rect.right - 1, rect.bottom - 1},
                                 {rect.left, rect.bottom - 1},
                                 {rect.left, rect.top}};
        polyline(corners);
        return;
    }
    // A one-pixel outline covers every outer pixel once, so that an XOR outline stays visible.
    fillRect({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1});
    const QColor color = toQColor(pen().color);
    const bool xorMode = pen().mode == PenMode::Xor;
    const QRect r = toQRect(rect);
    paintPixels(QRect(r.left(), r.top(), r.width(), 1), color, xorMode);
    if (r.height() > 1)
        paintPixels(QRect(r.left(), r.bottom(), r.width(), 1), color, xorMode);
    if (r.height() > 2) {
        paintPixels(QRect(r.left(), r.top() + 1, 1, r.height() - 2), color, xorMode);
        if (r.width() > 1)
            paintPixels(QRect(r.right(), r.top() + 1, 1, r.height() - 2), color, xorMode);
    }
}

void PainterCanvas::line(Point from, Point to) {
    if (pen().style == PenStyle::Clear || from == to)
        return;
    if (pen().width > 1)
        wideLine(from, to);
    else
        thinLine(from, to);
}

// One pixel per step of the major axis, the end point left out; styled pens switch on and off
// along the pattern, and their gaps take the background colour while it is opaque.
void PainterCanvas::thinLine(Point from, Point to) {
    if (dashedStroke(from, to, 1))
        return;
    const int dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
    const int sx = to.x > from.x ? 1 : -1, sy = to.y > from.y ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int steps = xMajor ? dx : dy;
    const std::span<const int> pattern = dashPattern(pen().style);
    const QColor on = toQColor(pen().color);
    const QColor off =
        backgroundMode() == BackgroundMode::Opaque ? toQColor(backgroundColor()) : QColor();
    const bool xorMode = pen().mode == PenMode::Xor;

    size_t segment = 0;
    int leftInSegment = pattern.empty() ? steps : pattern[0];
    int x = from.x, y = from.y, error = (xMajor ? dx : dy) / 2;
    // Pixels of equal state on one row (or column) are painted as one rectangle.
    QRect run;
    bool runOn = true;
    const auto flush = [&] {
        if (!run.isEmpty())
            paintPixels(run, runOn ? on : off, xorMode);
        run = QRect();
    };
    for (int i = 0; i < steps; ++i) {
        const bool isOn = (segment % 2) == 0;
        const QRect pixel(x, y, 1, 1);
        const bool continues =
            !run.isEmpty() && runOn == isOn && (xMajor ? run.top() == y : run.left() == x);
        if (continues)
            run = run.united(pixel);
        else {
            flush();
            run = pixel;
            runOn = isOn;
        }
        if (!pattern.empty() && --leftInSegment == 0) {
            segment = (segment + 1) % pattern.size();
            leftInSegment = pattern[segment];
        }
        if (xMajor) {
            x += sx;
            error -= dy;
            if (error < 0) {
                y += sy;
                error += dx;
            }
        } else {
            y += sy;
            error -= dx;
            if (error < 0) {
                x += sx;
                error += dy;
            }
        }
    }
    flush();
}

void PainterCanvas::parallelLines(Point from, Point to, int count) {
    if (!dashedStroke(from, to, std::max(count, 1)))
        Canvas::parallelLines(from, to, count);
}

// count side-by-side one-pixel lines of a styled pen, upright or level, as one stroke of that
// width with the pen's dash pattern, covering the same pixels as the stepped lines: a PDF or a
// printer gets one path instead of a rectangle per dash. False, drawing nothing, for any other
// line.
bool PainterCanvas::dashedStroke(Point from, Point to, int count) {
    const std::span<const int> pattern = dashPattern(pen().style);
    if (pattern.empty() || pen().width > 1 || pen().mode == PenMode::Xor || from == to ||
        (from.x != to.x && from.y != to.y))
        return false;
    // Along the line from the start pixel's outer edge to the end point's, which is left out;
    // across it through the middle of the band of offsets -(count div 2) ... (count - 1) div 2.
    const bool level = from.y == to.y;
    const int base = level ? from.y : from.x;
    const double across = (base - count / 2 + base + (count - 1) / 2 + 1) / 2.0;
    const auto edge = [](int at, bool forward) { return forward ? at : at + 1; };
    const bool forward = level ? to.x > from.x : to.y > from.y;
    const QPointF start =
        level ? QPointF(edge(from.x, forward), across) : QPointF(across, edge(from.y, forward));
    const QPointF end =
        level ? QPointF(edge(to.x, forward), across) : QPointF(across, edge(to.y, forward));
    painter_->save();
    if (backgroundMode() == BackgroundMode::Opaque) {
        const QMarginsF band = level ? QMarginsF(0, count / 2.0, 0, count / 2.0)
                                     : QMarginsF(count / 2.0, 0, count / 2.0, 0);
        painter_->fillRect(QRectF(start, end).normalized() + band, toQColor(backgroundColor()));
    }
    QPen stroke(toQColor(pen().color), count, Qt::CustomDashLine, Qt::FlatCap);
    QList<qreal> dashes; // in pen widths
    for (const int length : pattern)
        dashes.push_back(double(length) / count);
    stroke.setDashPattern(dashes);
    painter_->setPen(stroke);
    painter_->drawLine(start, end);
    painter_->restore();
    return true;
}

// A wide pen is solid whatever its style and covers both end points with square caps: across the
// line from -(w div 2) to (w - 1) div 2, the same pixels as w parallel one-pixel lines.
void PainterCanvas::wideLine(Point from, Point to) {
    const int w = pen().width;
    const int before = w / 2, after = (w - 1) / 2;
    const QColor color = toQColor(pen().color);
    const bool xorMode = pen().mode == PenMode::Xor;
    if (from.y == to.y || from.x == to.x) {
        const int l = std::min(from.x, to.x) - before, r = std::max(from.x, to.x) + after;
        const int t = std::min(from.y, to.y) - before, b = std::max(from.y, to.y) + after;
        paintPixels(QRect(QPoint(l, t), QPoint(r, b)), color, xorMode);
        return;
    }
    painter_->save();
    if (xorMode)
        painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_->setPen(QPen(color, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_->drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
    painter_->restore();
}

void PainterCanvas::polygon(std::span<const Point> points) {
    if (points.size() < 2)
        return;
    QPolygon poly;
    for (const Point& p : points)
        poly << QPoint(p.x, p.y);
    painter_->save();
    if (pen().mode == PenMode::Xor)
        painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (pen().style == PenStyle::Clear)
        painter_->setPen(Qt::NoPen);
    else
        painter_->setPen(QPen(toQColor(pen().color), pen().width > 1 ? pen().width : 0));
    painter_->setBrush(brush().style == BrushStyle::Clear ? QBrush(Qt::NoBrush) : qtBrush(brush()));
    painter_->drawPolygon(poly);
    painter_->restore();
}

void PainterCanvas::textOut(int x, int y, std::string_view text, std::span<const int> advances,
                            const Rect& clip, unsigned options) {
    if (text.empty())
        return;
    const GlyphLine glyphs = glyphLineFor(font(), text);
    const std::vector<int> extents = cumulativeExtents(glyphs);
    const FontMetrics metrics = metricsFor(font());
    // Blanks are only the room they take, not glyphs: theirs has no ink, and Wine's Tahoma gives
    // the tab the same glyph, so a PDF's text layer, built from glyphs, would read every blank as
    // a tab. Readers of the text layer put a blank where they find the room.
    QList<quint32> inked;
    QList<QPointF> positions;
    inked.reserve(glyphs.glyphs.size());
    positions.reserve(glyphs.glyphs.size());
    int pos = 0;
    for (qsizetype i = 0; i < glyphs.glyphs.size(); ++i) {
        const size_t k = static_cast<size_t>(i);
        if (k >= text.size() || (text[k] != ' ' && text[k] != '\xA0')) {
            inked.push_back(glyphs.glyphs[i]);
            positions.push_back(QPointF(pos, metrics.ascent));
        }
        pos += k < advances.size() ? advances[k] : extents[k] - (k ? extents[k - 1] : 0);
    }

    painter_->save();
    if (options & textClipped)
        painter_->setClipRect(toQRect(clip),
                              painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->translate(x, y);
    if (font().escapement != 0)
        painter_->rotate(-font().escapement / 10.0);
    if (backgroundMode() == BackgroundMode::Opaque)
        painter_->fillRect(QRect(0, 0, pos, metrics.height()), toQColor(backgroundColor()));
    QGlyphRun run;
    run.setRawFont(inkFontFor(font()));
    run.setGlyphIndexes(inked);
    run.setPositions(positions);
    painter_->setPen(toQColor(font().color));
    if (!inked.isEmpty())
        painter_->drawGlyphRun(QPointF(0, 0), run);
    // The glyph run's own underline and strike-out vanish in Qt 6.4 under some clip states, so
    // the lines are ruled here, whole pixels thick, across the advances.
    if (font().style & (fontUnderline | fontStrikeOut)) {
        const QRawFont& raw = run.rawFont();
        const int thickness = std::max(1, static_cast<int>(std::lround(raw.lineThickness())));
        const QColor color = toQColor(font().color);
        if (font().style & fontUnderline) {
            const int below = std::max(1, static_cast<int>(std::lround(raw.underlinePosition())));
            painter_->fillRect(QRect(0, metrics.ascent + below - thickness / 2, pos, thickness),
                               color);
        }
        if (font().style & fontStrikeOut)
            painter_->fillRect(
                QRect(0, metrics.ascent - metrics.ascent / 3 - thickness / 2, pos, thickness),
                color);
    }
    painter_->restore();
}

void PainterCanvas::applyClip() {
    if (clip_)
        painter_->setClipRegion(*clip_);
    else if (initialClipping_)
        painter_->setClipRegion(initialClip_);
    else
        painter_->setClipping(false);
}

void PainterCanvas::setClipRect(const Rect& rect) {
    clip_ = QRegion(toQRect(rect));
    if (initialClipping_)
        *clip_ &= initialClip_;
    applyClip();
}

void PainterCanvas::excludeClipRect(const Rect& rect) {
    if (!clip_)
        clip_ = initialClipping_ ? initialClip_ : QRegion(toQRect(deviceRect()));
    *clip_ -= QRegion(toQRect(rect));
    applyClip();
}

void PainterCanvas::resetClip() {
    clip_.reset();
    applyClip();
}

void PainterCanvas::stretchDraw(const Rect& rect, const QImage& image) {
    if (rect.isEmpty() || image.isNull())
        return;
    painter_->drawImage(toQRect(rect), shareEqualPictures_ ? sharedPicture(image) : image);
}

// QPdfWriter stores an image once per QImage::cacheKey; pictures rebuilt for every page are
// equal images with keys of their own.
const QImage& PainterCanvas::sharedPicture(const QImage& image) {
    constexpr size_t kMaxPictures = 16;
    for (const QImage& kept : pictures_)
        if (kept.cacheKey() == image.cacheKey() || kept == image)
            return kept;
    if (pictures_.size() == kMaxPictures)
        return image;
    pictures_.push_back(image);
    return pictures_.back();
}

} // namespace platform
