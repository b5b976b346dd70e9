// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface of a printer. While a page is open it draws through the printer's painter;
// otherwise it is an information context: it measures text at the printer's resolution and draws
// nothing. Fonts follow the printer's resolution: a font of n points is n/72 inch high on paper.
#include "platform/PainterCanvas.h"

#include <memory>

class QPainter;

namespace preview {

class TrpPrinterCanvas : public platform::Canvas {
public:
    TrpPrinterCanvas(int dpiX, int dpiY);
    ~TrpPrinterCanvas() override;

    void setResolution(int dpiX, int dpiY);
    // Draws through the painter from now on, with a fresh clip (a new device context).
    void bind(QPainter& painter);
    void unbind();
    bool isBound() const { return device_ != nullptr; }

    // The character height in device pixels of a font of that many points on this device.
    int pixelHeightOfPoints(int points) const;
    // The font with its height given in points.
    void setFontInPoints(platform::CanvasFont font, int points);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    bool isPrinter() const override { return true; }
    // Nothing is visible on an information context.
    std::optional<platform::Rect> visibleArea() const override;

    void fillRect(const platform::Rect& rect) override;
    void rectangle(const platform::Rect& rect) override;
    void line(platform::Point from, platform::Point to) override;
    void polygon(std::span<const platform::Point> points) override;
    void textOut(int x, int y, std::string_view text, std::span<const int> advances,
                 const platform::Rect& clip, unsigned options) override;
    void setClipRect(const platform::Rect& rect) override;
    void excludeClipRect(const platform::Rect& rect) override;
    void resetClip() override;
    void stretchDraw(const platform::Rect& rect, const QImage& image) override;

private:
    // The bound canvas with this canvas's font, pen, brush and background; none when unbound.
    platform::PainterCanvas* synced();

    int dpiX_;
    int dpiY_;
    std::unique_ptr<platform::PainterCanvas> device_;
};

} // namespace preview
