// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface the report engine and the preview draw on: a device context with a selected
// font, pen and brush, in whole device pixels. Concrete canvases draw through QPainter
// (PainterCanvas) or keep what was drawn as records (RecordingCanvas).
//
// Pixel rules follow the device context the engine was written for: a one-pixel line leaves its end
// point out, rectangles and fills exclude their right and bottom edges, and text is measured and
// drawn glyph by glyph with the same advances, so what was measured is exactly what is drawn.
#include "platform/Color.h"

#include <QImage>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool intersects(const Rect& other) const;
    Rect intersected(const Rect& other) const;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Font style bits, in the order and values the report's stored forms use.
enum FontStyle : int {
    fontBold = 1,
    fontItalic = 2,
    fontUnderline = 4,
    fontStrikeOut = 8,
};

struct CanvasFont {
    std::string name = "Arial"; // cp1250
    int pixelHeight = 13;       // character (em) height in device pixels
    int style = 0;              // FontStyle bits
    int charset = 1;            // kept for the stored forms; text is converted from cp1250 anyway
    TColor color = clBlack;
    int escapement = 0; // tenths of a degree, counter-clockwise
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class PenMode { Copy, Xor };

struct CanvasPen {
    TColor color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    friend bool operator==(const CanvasPen&, const CanvasPen&) = default;
};

enum class BrushStyle {
    Solid,
    Clear,
    Horizontal,
    Vertical,
    FDiagonal,
    BDiagonal,
    Cross,
    DiagCross
};

struct CanvasBrush {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const CanvasBrush&, const CanvasBrush&) = default;
};

enum class BackgroundMode { Opaque, Transparent };

// Options of textOut.
enum TextOutOption : unsigned {
    textClipped = 1, // clip the glyphs to the given rectangle
    textRtlReading =
        2, // right-to-left reading order (kept for the records; glyphs are placed as given)
};

struct FontMetrics {
    int ascent = 0;  // baseline below the top of the character cell
    int descent = 0; // below the baseline
    int height() const { return ascent + descent; }
};

class Canvas {
public:
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Device resolution in dots per inch.
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    virtual bool isPrinter() const = 0;
    // The part of the device that drawing can reach now; none for a recording, which keeps all.
    virtual std::optional<Rect> visibleArea() const = 0;

    const CanvasFont& font() const { return font_; }
    const CanvasPen& pen() const { return pen_; }
    const CanvasBrush& brush() const { return brush_; }
    BackgroundMode backgroundMode() const { return backgroundMode_; }
    TColor backgroundColor() const { return backgroundColor_; }
    void setFont(const CanvasFont& font) { font_ = font; }
    void setPen(const CanvasPen& pen) { pen_ = pen; }
    // A solid brush also makes the background opaque in its colour, any other brush makes it
    // transparent: the gaps of styled pens are then painted in the brush colour or left alone.
    void setBrush(const CanvasBrush& brush);
    void setBackgroundMode(BackgroundMode mode) { backgroundMode_ = mode; }
    void setBackgroundColor(TColor color) { backgroundColor_ = color; }

    // Fills the rectangle with the brush (its colour for a solid brush); no outline.
    virtual void fillRect(const Rect& rect) = 0;
    // Outline in the pen on the outermost pixels, inside filled with the brush.
    virtual void rectangle(const Rect& rect) = 0;
    // A one-pixel pen leaves the end point out; a wider pen covers both end points with square
    // caps.
    virtual void line(Point from, Point to) = 0;
    void polyline(std::span<const Point> points);
    // count one-pixel lines in the pen side by side, at offsets -(count div 2) ...
    // (count - 1) div 2 across the line: vertical offsets for a line more horizontal than
    // vertical, else horizontal ones. A count below 1 draws one.
    virtual void parallelLines(Point from, Point to, int count);
    virtual void polygon(std::span<const Point> points) = 0;

    // Cumulative advances of the text in the current font: entry i is the width of characters
    // 0..i, from the font's design advances without kerning or hinting, rounded to whole pixels.
    std::vector<int> textExtents(std::string_view text) const;
    int textWidth(std::string_view text) const;
    FontMetrics fontMetrics() const;
    // Draws the text with its top-left corner of the character cell at (x, y), character i placed
    // advances[i] pixels after character i - 1. Missing advances are taken from the font.
    virtual void textOut(int x, int y, std::string_view text, std::span<const int> advances,
                         const Rect& clip, unsigned options) = 0;

    // Clipping: none at first (the whole device); setClipRect replaces, excludeClipRect removes a
    // rectangle from the current region, resetClip returns to none.
    virtual void setClipRect(const Rect& rect) = 0;
    virtual void excludeClipRect(const Rect& rect) = 0;
    virtual void resetClip() = 0;

    // Copies a 32-bit image into the rectangle, stretched without smoothing.
    virtual void stretchDraw(const Rect& rect, const QImage& image) = 0;

protected:
    Canvas() = default;

private:
    CanvasFont font_;
    CanvasPen pen_;
    CanvasBrush brush_;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    TColor backgroundColor_ = clWhite;
};

} // namespace platform
