// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A canvas that keeps what is drawn on it as records instead of pixels, the program's stand-in for
// a metafile: it can be searched (text records carry their string and device bounds) and replayed
// onto any other canvas. Each record carries the state it was drawn with.
#include "platform/Canvas.h"

namespace platform {

struct CanvasRecord {
    enum class Kind {
        FillRect,
        Rectangle,
        Line,
        Polygon,
        TextOut,
        StretchDraw,
        SetClipRect,
        ExcludeClipRect,
        ResetClip,
    };
    Kind kind = Kind::FillRect;
    Rect rect;                 // the rectangle drawn or clipped; the clip rectangle of a text
    std::vector<Point> points; // line end points, polygon corners
    CanvasPen pen;
    CanvasBrush brush;
    CanvasFont font;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    TColor backgroundColor = clWhite;
    std::string text;          // cp1250
    std::vector<int> advances; // one per character, as drawn
    unsigned textOptions = 0;
    Rect bounds; // device pixels the text covers (within its clip when clipped)
    QImage image;
};

class RecordingCanvas : public Canvas {
public:
    // The resolution of the device the recording is made for (the reference device).
    explicit RecordingCanvas(int dpiX = 96, int dpiY = 96, bool isPrinter = false);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    bool isPrinter() const override { return isPrinter_; }
    std::optional<Rect> visibleArea() const override { return std::nullopt; }

    void fillRect(const Rect& rect) override;
    void rectangle(const Rect& rect) override;
    void line(Point from, Point to) override;
    void polygon(std::span<const Point> points) override;
    void textOut(int x, int y, std::string_view text, std::span<const int> advances,
                 const Rect& clip, unsigned options) override;
    void setClipRect(const Rect& rect) override;
    void excludeClipRect(const Rect& rect) override;
    void resetClip() override;
    void stretchDraw(const Rect& rect, const QImage& image) override;

    const std::vector<CanvasRecord>& records() const { return records_; }
    void clear() { records_.clear(); }
    // Draws every record onto the target in order, each with its own state.
    void replay(Canvas& target) const;

private:
    CanvasRecord& add(CanvasRecord::Kind kind);

    int dpiX_;
    int dpiY_;
    bool isPrinter_;
    std::vector<CanvasRecord> records_;
};

} // namespace platform
