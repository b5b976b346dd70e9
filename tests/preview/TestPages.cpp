// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPages.h"

#include "report/objects/RpPage.h"

#include "platform/Canvas.h"
#include "platform/Cp1250.h"

#include <cmath>

namespace {

constexpr double unitsPerMm = 3.77953;

int toPixel(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

TestPages::TestPages(int pageCount) {
    for (int i = 0; i < pageCount; ++i) {
        auto* page = report::rpCreate<report::TrpReportPage>(&report_);
        page->LeftMargin = 22;
        page->TopMargin = 10;
        page->RightMargin = 20;
        page->BottomMargin = 25;
    }
}

report::TrpReportPage* TestPages::RebuildPage(int index) {
    return index >= 0 && index < PageCount() ? &page(index) : nullptr;
}

platform::Point TestPages::frameCorner(const report::TrpReportPage& page, double scaleX,
                                       double scaleY, double offsetX, double offsetY) {
    return {toPixel(offsetX + page.LeftMargin * unitsPerMm * scaleX),
            toPixel(offsetY + page.TopMargin * unitsPerMm * scaleY)};
}

void TestPages::PaintPage(int index, platform::Canvas& canvas, double scaleX, double scaleY,
                          double offsetX, double offsetY) {
    painted.push_back(index);
    const report::TrpReportPage& p = page(index);
    const platform::Point origin = frameCorner(p, scaleX, scaleY, offsetX, offsetY);
    const auto at = [&](double x, double y) {
        return platform::Point{origin.x + toPixel(x * scaleX), origin.y + toPixel(y * scaleY)};
    };
    canvas.setPen({platform::clBlack, std::max(1, toPixel(scaleX)), platform::PenStyle::Solid});
    canvas.setBrush({platform::clWhite, platform::BrushStyle::Clear});
    const platform::Point topLeft = at(0, 0);
    const platform::Point bottomRight = at(300, 100);
    canvas.rectangle({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
    canvas.line(at(0, 120), at(300, 120));
    platform::CanvasFont font;
    font.name = "Arial";
    font.pixelHeight = toPixel(16 * scaleY);
    canvas.setFont(font);
    const platform::Point text = at(10, 30);
    canvas.textOut(text.x, text.y, platform::fromUtf8("Próbaoldal ") + std::to_string(index + 1),
                   {}, platform::Rect{}, 0);
}
