// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PrintDialogPictures.h"

#include <QFont>
#include <QPainter>

namespace preview {
namespace {

const QColor background(0x80, 0x80, 0x00); // never used in the drawings themselves
constexpr QSize sheetSize(20, 26);

QImage blankBitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// One numbered sheet of paper with a folded corner.
void drawSheet(QPainter& painter, QPoint topLeft, int number) {
    const QRect sheet(topLeft, sheetSize);
    const int fold = 5;
    const QPoint corner[] = {sheet.topLeft(),
                             {sheet.right() - fold, sheet.top()},
                             {sheet.right(), sheet.top() + fold},
                             sheet.bottomRight(),
                             sheet.bottomLeft()};
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPolygon(corner, 5);
    painter.drawLine(sheet.right() - fold, sheet.top(), sheet.right() - fold, sheet.top() + fold);
    painter.drawLine(sheet.right() - fold, sheet.top() + fold, sheet.right(), sheet.top() + fold);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(sheet.adjusted(0, 4, 0, 0), Qt::AlignCenter, QString::number(number));
}

} // namespace

QImage printerIconBitmap() {
    QImage image = blankBitmap(18, 16);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 9, 6); // paper coming in
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(1, 6, 15, 6);                            // body
    painter.fillRect(3, 12, 12, 2, QColor(0x40, 0x40, 0x40)); // paper tray
    painter.fillRect(13, 8, 2, 1, QColor(0x00, 0xC0, 0x00));  // power light
    return image;
}

QImage collatedCopiesBitmap() {
    QImage image = blankBitmap(74, 53);
    QPainter painter(&image);
    for (int set = 0; set < 2; ++set)
        for (int number = 3; number >= 1; --number)
            drawSheet(painter, {2 + set * 36 + (number - 1) * 6, 2 + (number - 1) * 8}, number);
    return image;
}

QImage uncollatedCopiesBitmap() {
    QImage image = blankBitmap(92, 40);
    QPainter painter(&image);
    for (int number = 1; number <= 3; ++number) {
        const int x = 2 + (number - 1) * 30;
        drawSheet(painter, {x + 6, 2}, number);
        drawSheet(painter, {x, 8}, number);
    }
    return image;
}

QImage transparentFromLowerLeft(const QImage& bitmap) {
    QImage picture = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return picture;
    const QRgb transparent = picture.pixel(0, picture.height() - 1);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] == transparent)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return picture;
}

} // namespace preview
