// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the certificate's two logos and writes them as baseline JFIF 1.02 JPEG files (three
// components, 8 bits, density 100 x 100 with no unit), the form in which the template stores them:
//   make_logos <folder>   writes <folder>/coat_of_arms.jpg (60 x 62) and <folder>/iso9001.jpg (90 x
//   62)
// Run it under QT_QPA_PLATFORM=offscreen when there is no display.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

bool writeJpeg(const QImage& image, const QString& path) {
    FILE* out = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    // libjpeg writes JFIF 1.01 unless told otherwise after the defaults are set.
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 2;
    cinfo.density_unit = 0;
    cinfo.X_density = 100;
    cinfo.Y_density = 100;
    jpeg_start_compress(&cinfo, TRUE);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(out) == 0;
}

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The town's arms: a shield parted by a wavy band, an oak tree with acorns above, three hills
// below.
QImage coatOfArms() {
    QImage image = canvas(60, 62);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(6, 4);
    shield.lineTo(54, 4);
    shield.lineTo(54, 34);
    shield.cubicTo(54, 48, 42, 55, 30, 59);
    shield.cubicTo(18, 55, 6, 48, 6, 34);
    shield.closeSubpath();
    p.fillPath(shield, QColor(222, 222, 222));
    p.setClipPath(shield);
    // Three hills in the base.
    QPainterPath hills;
    hills.moveTo(0, 62);
    hills.cubicTo(8, 40, 18, 40, 22, 48);
    hills.cubicTo(26, 34, 36, 34, 40, 48);
    hills.cubicTo(44, 40, 54, 40, 62, 62);
    hills.closeSubpath();
    p.fillPath(hills, QColor(120, 120, 120));
    // The oak: trunk and a crown of five leaf clusters.
    p.fillRect(QRectF(28, 26, 4, 16), QColor(70, 70, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    for (const QPointF c :
         {QPointF(30, 14), QPointF(22, 19), QPointF(38, 19), QPointF(25, 26), QPointF(35, 26)})
        p.drawEllipse(c, 7.5, 6.5);
    p.setBrush(QColor(200, 200, 200));
    for (const QPointF c : {QPointF(24, 20), QPointF(36, 21), QPointF(30, 13)})
        p.drawEllipse(c, 1.8, 2.4);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 40, 40), 2.2));
    p.drawPath(shield);
    return image;
}

// A certification mark: a ring with a tick beside "ISO" over "9001".
QImage isoMark() {
    QImage image = canvas(90, 62);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawEllipse(QRectF(4, 7, 46, 46));
    p.setPen(QPen(QColor(110, 110, 110), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(15, 30), QPointF(24, 40), QPointF(40, 18)}));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(17);
    p.setFont(font);
    p.setPen(QColor(40, 40, 40));
    p.drawText(QRectF(46, 8, 44, 22), Qt::AlignCenter, QStringLiteral("ISO"));
    font.setPixelSize(14);
    p.setFont(font);
    p.drawText(QRectF(46, 30, 44, 20), Qt::AlignCenter, QStringLiteral("9001"));
    p.fillRect(QRectF(52, 50, 34, 2), QColor(140, 140, 140));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_logos <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!writeJpeg(coatOfArms(), folder + "/coat_of_arms.jpg") ||
        !writeJpeg(isoMark(), folder + "/iso9001.jpg")) {
        std::fprintf(stderr, "make_logos: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
