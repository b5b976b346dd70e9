// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {
namespace {

// The box around the character cell (origin, width w, height h) turned by the escapement about
// the origin.
Rect rotatedCellBounds(int x, int y, int w, int h, int escapement) {
    if (escapement % 3600 == 0)
        return {x, y, x + w, y + h};
    const double a = escapement / 10.0 * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const auto& [px, py] : {std::pair{w, 0}, std::pair{0, h}, std::pair{w, h}}) {
        // Counter-clockwise on a device whose y axis points down.
        const double rx = px * c + py * s, ry = -px * s + py * c;
        minX = std::min(minX, rx), maxX = std::max(maxX, rx);
        minY = std::min(minY, ry), maxY = std::max(maxY, ry);
    }
    return {x + static_cast<int>(std::floor(minX)), y + static_cast<int>(std::floor(minY)),
            x + static_cast<int>(std::ceil(maxX)), y + static_cast<int>(std::ceil(maxY))};
}

} // namespace

RecordingCanvas::RecordingCanvas(int dpiX, int dpiY, bool isPrinter)
    : dpiX_(dpiX)
    , dpiY_(dpiY)
    , isPrinter_(isPrinter) {}

CanvasRecord& RecordingCanvas::add(CanvasRecord::Kind kind) {
    CanvasRecord& r = records_.emplace_back();
    r.kind = kind;
    r.pen = pen();
    r.brush = brush();
    r.font = font();
    r.backgroundMode = backgroundMode();
    r.backgroundColor = backgroundColor();
    return r;
}

void RecordingCanvas::fillRect(const Rect& rect) {
    add(CanvasRecord::Kind::FillRect).rect = rect;
}

void RecordingCanvas::rectangle(const Rect& rect) {
    add(CanvasRecord::Kind::Rectangle).rect = rect;
}

void RecordingCanvas::line(Point from, Point to) {
    add(CanvasRecord::Kind::Line).points = {from, to};
}

void RecordingCanvas::polygon(std::span<const Point> points) {
    add(CanvasRecord::Kind::Polygon).points.assign(points.begin(), points.end());
}

void RecordingCanvas::textOut(int x, int y, std::string_view text, std::span<const int> advances,
                              const Rect& clip, unsigned options) {
    CanvasRecord& r = add(CanvasRecord::Kind::TextOut);
    r.points = {{x, y}};
    r.text = text;
    r.rect = clip;
    r.textOptions = options;
    // Missing advances are filled in from the font, so that replaying draws the same positions.
    const std::vector<int> extents = textExtents(text);
    r.advances.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        r.advances[i] = i < advances.size() ? advances[i] : extents[i] - (i ? extents[i - 1] : 0);
    int width = 0;
    for (int a : r.advances)
        width += a;
    r.bounds = rotatedCellBounds(x, y, width, fontMetrics().height(), font().escapement);
    if (options & textClipped)
        r.bounds = r.bounds.intersected(clip);
}

void RecordingCanvas::setClipRect(const Rect& rect) {
    add(CanvasRecord::Kind::SetClipRect).rect = rect;
}

void RecordingCanvas::excludeClipRect(const Rect& rect) {
    add(CanvasRecord::Kind::ExcludeClipRect).rect = rect;
}

void RecordingCanvas::resetClip() {
    add(CanvasRecord::Kind::ResetClip);
}

void RecordingCanvas::stretchDraw(const Rect& rect, const QImage& image) {
    CanvasRecord& r = add(CanvasRecord::Kind::StretchDraw);
    r.rect = rect;
    r.image = image;
}

void RecordingCanvas::replay(Canvas& target) const {
    for (const CanvasRecord& r : records_) {
        target.setFont(r.font);
        target.setPen(r.pen);
        target.setBrush(r.brush);
        target.setBackgroundMode(r.backgroundMode);
        target.setBackgroundColor(r.backgroundColor);
        switch (r.kind) {
        case CanvasRecord::Kind::FillRect:
            target.fillRect(r.rect);
            break;
        case CanvasRecord::Kind::Rectangle:
            target.rectangle(r.rect);
            break;
        case CanvasRecord::Kind::Line:
            target.line(r.points[0], r.points[1]);
            break;
        case CanvasRecord::Kind::Polygon:
            target.polygon(r.points);
            break;
        case CanvasRecord::Kind::TextOut:
            target.textOut(r.points[0].x, r.points[0].y, r.text, r.advances, r.rect, r.textOptions);
            break;
        case CanvasRecord::Kind::StretchDraw:
            target.stretchDraw(r.rect, r.image);
            break;
        case CanvasRecord::Kind::SetClipRect:
            target.setClipRect(r.rect);
            break;
        case CanvasRecord::Kind::ExcludeClipRect:
            target.excludeClipRect(r.rect);
            break;
        case CanvasRecord::Kind::ResetClip:
            target.resetClip();
            break;
        }
    }
}

} // namespace platform
