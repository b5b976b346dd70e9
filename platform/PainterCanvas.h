// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A canvas over QPainter: a widget, an image, a PDF writer or a printer. Lines and rectangles are
// drawn without antialiasing as whole device pixels, text antialiased from the measured glyphs.
#include "platform/Canvas.h"

#include <QPainter>
#include <QRegion>
#include <memory>
#include <vector>

class QPaintDevice;

namespace platform {

struct PainterCanvasOptions {
    // Printer canvases lay text out at the device resolution; default: the device is a QPrinter.
    std::optional<bool> isPrinter;
    // Resolution to report instead of the device's (images carry no meaningful one).
    int dpiX = 0;
    int dpiY = 0;
    // A document of many pages (a PDF) keeps one copy of each picture it has been given: a
    // picture equal to one drawn before is drawn as that one, which the device stores once.
    bool shareEqualPictures = false;
};

class PainterCanvas : public Canvas {
public:
    // Draws through a painter that the caller has begun (a widget's paint event, a printer job).
    explicit PainterCanvas(QPainter& painter, const PainterCanvasOptions& options = {});
    // Begins and ends its own painter on the device.
    explicit PainterCanvas(QPaintDevice& device, const PainterCanvasOptions& options = {});
    ~PainterCanvas() override;

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    bool isPrinter() const override { return isPrinter_; }
    std::optional<Rect> visibleArea() const override;

    void fillRect(const Rect& rect) override;
    void rectangle(const Rect& rect) override;
    void line(Point from, Point to) override;
    void parallelLines(Point from, Point to, int count) override;
    void polygon(std::span<const Point> points) override;
    void textOut(int x, int y, std::string_view text, std::span<const int> advances,
                 const Rect& clip, unsigned options) override;
    void setClipRect(const Rect& rect) override;
    void excludeClipRect(const Rect& rect) override;
    void resetClip() override;
    void stretchDraw(const Rect& rect, const QImage& image) override;

    QPainter& painter() { return *painter_; }

private:
    void init(const PainterCanvasOptions& options);
    void paintPixels(const QRect& rect, const QColor& color, bool xorMode);
    void thinLine(Point from, Point to);
    bool dashedStroke(Point from, Point to, int count);
    void wideLine(Point from, Point to);
    void applyClip();
    Rect deviceRect() const;
    const QImage& sharedPicture(const QImage& image);

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_ = nullptr;
    int dpiX_ = 96;
    int dpiY_ = 96;
    bool shareEqualPictures_ = false;
    std::vector<QImage> pictures_; // those drawn so far, when shared
    bool isPrinter_ = false;
    bool initialClipping_ = false;
    QRegion initialClip_;
    std::optional<QRegion> clip_;
};

} // namespace platform
