// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewIcons.h"

#include <QPainter>
#include <QPolygon>

namespace preview {
namespace {

const QColor transparentKey(255, 0, 255);
const QColor ink(32, 32, 32);
const QColor paperEdge(96, 96, 96);
const QColor navy(0, 0, 128);

// A sheet of paper with a folded upper-right corner.
void sheet(QPainter& p, const QRect& r) {
    const int fold = 3;
    const QPolygon outline({QPoint(r.left(), r.top()), QPoint(r.right() - fold, r.top()),
                            QPoint(r.right(), r.top() + fold), QPoint(r.right(), r.bottom()),
                            QPoint(r.left(), r.bottom())});
    p.setPen(paperEdge);
    p.setBrush(Qt::white);
    p.drawPolygon(outline);
    p.drawLine(r.right() - fold, r.top(), r.right() - fold, r.top() + fold);
    p.drawLine(r.right() - fold, r.top() + fold, r.right(), r.top() + fold);
}

void textLines(QPainter& p, const QRect& r, int count) {
    p.setPen(QColor(128, 128, 160));
    for (int i = 0; i < count; ++i)
        p.drawLine(r.left() + 2, r.top() + 4 + 2 * i, r.right() - 2, r.top() + 4 + 2 * i);
}

void triangle(QPainter& p, int tipX, int direction) {
    const int baseX = tipX - 4 * direction;
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawPolygon(QPolygon({QPoint(tipX, 8), QPoint(baseX, 4), QPoint(baseX, 12)}));
}

// Drawn without antialiasing, as blended edges would take on the cell's transparent colour.
void magnifier(QPainter& p, const QPoint& centre, int radius) {
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::SquareCap));
    const QPoint handle(centre.x() + radius - 1, centre.y() + radius - 1);
    p.drawLine(handle, handle + QPoint(3, 3));
    p.setPen(ink);
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(centre, radius, radius);
}

void drawIcon(QPainter& p, int index) {
    switch (index) {
    case 0: // open: a folder
        p.setPen(QColor(128, 96, 0));
        p.setBrush(QColor(230, 190, 60));
        p.drawRect(1, 3, 5, 2);
        p.drawRect(1, 4, 12, 9);
        p.setBrush(QColor(255, 220, 100));
        p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
        break;
    case 1: // save: a diskette
        p.setPen(navy);
        p.setBrush(QColor(40, 70, 170));
        p.drawRect(1, 1, 13, 13);
        p.fillRect(4, 2, 8, 5, Qt::white);
        p.fillRect(5, 10, 6, 4, QColor(190, 190, 190));
        p.fillRect(9, 11, 1, 2, navy);
        break;
    case 2: // print: a printer with a sheet coming out
        p.setPen(paperEdge);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setPen(ink);
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(1, 6, 13, 5);
        p.fillRect(11, 8, 2, 1, QColor(0, 170, 0));
        p.setPen(paperEdge);
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 7, 4);
        break;
    case 3: // export: a sheet with an arrow leaving it
        sheet(p, QRect(1, 1, 10, 13));
        textLines(p, QRect(1, 1, 10, 13), 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 140, 0));
        p.drawPolygon(QPolygon({QPoint(7, 9), QPoint(11, 9), QPoint(11, 6), QPoint(15, 10),
                                QPoint(11, 14), QPoint(11, 11), QPoint(7, 11)}));
        break;
    case 4: // find: a lens over a sheet
        sheet(p, QRect(1, 1, 10, 13));
        textLines(p, QRect(1, 1, 10, 13), 4);
        magnifier(p, QPoint(8, 8), 3);
        break;
    case 5: // outline: a small tree
        p.setPen(QColor(128, 128, 128));
        p.drawLine(3, 4, 3, 12);
        p.drawLine(3, 8, 7, 8);
        p.drawLine(3, 12, 7, 12);
        p.fillRect(1, 1, 5, 4, navy);
        p.fillRect(7, 6, 7, 4, QColor(0, 120, 200));
        p.fillRect(7, 10, 7, 4, QColor(0, 120, 200));
        break;
    case 6: // a sheet of text
        sheet(p, QRect(2, 0, 11, 14));
        textLines(p, QRect(2, 0, 11, 14), 5);
        break;
    case 7: // margins: a sheet with its printable area marked
        sheet(p, QRect(2, 0, 11, 14));
        p.setPen(QPen(QColor(0, 0, 255), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(4, 3, 7, 9);
        break;
    case 8: // first page
        p.fillRect(3, 4, 2, 9, navy);
        triangle(p, 6, -1);
        triangle(p, 10, -1);
        break;
    case 9: // prior page
        triangle(p, 5, -1);
        break;
    case 10: // next page
        triangle(p, 10, 1);
        break;
    case 11: // last page
        triangle(p, 6, 1);
        triangle(p, 10, 1);
        p.fillRect(11, 4, 2, 9, navy);
        break;
    case 12: // whole page
        sheet(p, QRect(3, 1, 9, 13));
        textLines(p, QRect(3, 1, 9, 13), 4);
        break;
    case 13: // page width: a sheet and a span across it
        sheet(p, QRect(3, 1, 9, 13));
        p.setPen(navy);
        p.drawLine(1, 8, 14, 8);
        p.drawLine(2, 7, 2, 9);
        p.drawLine(13, 7, 13, 9);
        break;
    case 14: { // 100 %: a sheet marked 1:1
        sheet(p, QRect(1, 1, 13, 13));
        p.setPen(navy);
        p.drawLine(4, 5, 4, 11);
        p.drawLine(3, 6, 4, 5);
        p.drawPoint(7, 6);
        p.drawPoint(7, 10);
        p.drawLine(10, 5, 10, 11);
        p.drawLine(9, 6, 10, 5);
        break;
    }
    case 15: // two pages side by side
        sheet(p, QRect(0, 2, 7, 11));
        sheet(p, QRect(8, 2, 7, 11));
        break;
    case 16: { // hand tool: an open hand
        p.setPen(ink);
        p.setBrush(QColor(255, 230, 200));
        for (int i = 0; i < 4; ++i)
            p.drawRect(4 + i * 2, 2 + (i == 0 || i == 3 ? 1 : 0), 2, 7);
        p.drawPolygon(QPolygon({QPoint(4, 8), QPoint(12, 8), QPoint(12, 12), QPoint(10, 14),
                                QPoint(6, 14), QPoint(2, 10), QPoint(2, 8)}));
        break;
    }
    case 17: // zoom tool: a magnifier
        magnifier(p, QPoint(6, 6), 4);
        break;
    case 18: // a ruler
        p.setPen(QColor(128, 96, 0));
        p.setBrush(QColor(250, 220, 120));
        p.drawRect(0, 5, 15, 6);
        for (int x = 2; x < 15; x += 2)
            p.drawLine(x, 6, x, x % 4 == 0 ? 8 : 7);
        break;
    case 19: // new page: a sheet with a plus
        sheet(p, QRect(1, 0, 10, 13));
        p.fillRect(10, 7, 2, 8, QColor(0, 150, 0));
        p.fillRect(7, 10, 8, 2, QColor(0, 150, 0));
        break;
    case 20: // delete page: a sheet with a cross
        sheet(p, QRect(1, 0, 10, 13));
        p.setPen(QPen(QColor(210, 0, 0), 2));
        p.drawLine(8, 8, 14, 14);
        p.drawLine(14, 8, 8, 14);
        break;
    case 21: // designer: a sheet with a pencil
        sheet(p, QRect(1, 0, 10, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 170, 30));
        p.drawPolygon(QPolygon({QPoint(13, 5), QPoint(15, 7), QPoint(8, 14), QPoint(6, 12)}));
        p.setBrush(ink);
        p.drawPolygon(QPolygon({QPoint(6, 12), QPoint(8, 14), QPoint(5, 15)}));
        break;
    }
}

} // namespace

QImage previewIconStrip() {
    QImage strip(PreviewIconCount * PreviewIconSize, PreviewIconSize, QImage::Format_RGB32);
    strip.fill(transparentKey);
    QPainter p(&strip);
    for (int i = 0; i < PreviewIconCount; ++i) {
        p.save();
        p.translate(i * PreviewIconSize, 0);
        // Nothing may cover the lower-left pixel: its colour is the cell's transparent colour.
        p.setClipRegion(QRegion(0, 0, PreviewIconSize, PreviewIconSize) -
                        QRegion(0, PreviewIconSize - 1, 1, 1));
        drawIcon(p, i);
        p.restore();
    }
    return strip;
}

std::vector<QIcon> cutIconStrip(const QImage& strip) {
    std::vector<QIcon> icons;
    for (int i = 0; i < PreviewIconCount; ++i) {
        QImage cell = strip.copy(i * PreviewIconSize, 0, PreviewIconSize, PreviewIconSize)
                          .convertToFormat(QImage::Format_ARGB32);
        const QRgb key = cell.pixel(0, PreviewIconSize - 1);
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                if (cell.pixel(x, y) == key)
                    cell.setPixel(x, y, qRgba(0, 0, 0, 0));
        icons.emplace_back(QPixmap::fromImage(cell));
    }
    return icons;
}

} // namespace preview
