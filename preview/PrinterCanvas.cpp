// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PrinterCanvas.h"

#include "platform/MulDiv.h"

namespace preview {

TrpPrinterCanvas::TrpPrinterCanvas(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

TrpPrinterCanvas::~TrpPrinterCanvas() = default;

void TrpPrinterCanvas::setResolution(int dpiX, int dpiY) {
    dpiX_ = dpiX;
    dpiY_ = dpiY;
}

void TrpPrinterCanvas::bind(QPainter& painter) {
    device_ = std::make_unique<platform::PainterCanvas>(
        painter, platform::PainterCanvasOptions{true, dpiX_, dpiY_});
}

void TrpPrinterCanvas::unbind() {
    device_.reset();
}

int TrpPrinterCanvas::pixelHeightOfPoints(int points) const {
    return platform::MulDiv(points, dpiY_, 72);
}

void TrpPrinterCanvas::setFontInPoints(platform::CanvasFont font, int points) {
    font.pixelHeight = pixelHeightOfPoints(points);
    setFont(font);
}

std::optional<platform::Rect> TrpPrinterCanvas::visibleArea() const {
    if (!device_)
        return platform::Rect{};
    return device_->visibleArea();
}

platform::PainterCanvas* TrpPrinterCanvas::synced() {
    if (!device_)
        return nullptr;
    device_->setFont(font());
    device_->setPen(pen());
    device_->setBrush(brush());
    device_->setBackgroundMode(backgroundMode());
    device_->setBackgroundColor(backgroundColor());
    return device_.get();
}

void TrpPrinterCanvas::fillRect(const platform::Rect& rect) {
    if (auto* device = synced())
        device->fillRect(rect);
}

void TrpPrinterCanvas::rectangle(const platform::Rect& rect) {
    if (auto* device = synced())
        device->rectangle(rect);
}

void TrpPrinterCanvas::line(platform::Point from, platform::Point to) {
    if (auto* device = synced())
        device->line(from, to);
}

void TrpPrinterCanvas::polygon(std::span<const platform::Point> points) {
    if (auto* device = synced())
        device->polygon(points);
}

void TrpPrinterCanvas::textOut(int x, int y, std::string_view text, std::span<const int> advances,
                               const platform::Rect& clip, unsigned options) {
    if (auto* device = synced())
        device->textOut(x, y, text, advances, clip, options);
}

void TrpPrinterCanvas::setClipRect(const platform::Rect& rect) {
    if (device_)
        device_->setClipRect(rect);
}

void TrpPrinterCanvas::excludeClipRect(const platform::Rect& rect) {
    if (device_)
        device_->excludeClipRect(rect);
}

void TrpPrinterCanvas::resetClip() {
    if (device_)
        device_->resetClip();
}

void TrpPrinterCanvas::stretchDraw(const platform::Rect& rect, const QImage& image) {
    if (auto* device = synced())
        device->stretchDraw(rect, image);
}

} // namespace preview
