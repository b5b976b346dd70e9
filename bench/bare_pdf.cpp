// SPDX-License-Identifier: GPL-3.0-or-later
// The export baseline: a bare Qt program that writes the certificate's page (glyph runs, lines,
// fills, the two JPEG pictures; bench/BarePage.h) as one A4 page with QPdfWriter at 600 dpi,
// PDF/A-1b and titled like the program's export, so that only the program's own work differs.
//   bare_pdf PAGE.txt OUT.pdf
#include "bench/BarePage.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    QGuiApplication application(argc, argv);
    // The program's page uses Wine's Tahoma, which fontconfig does not know.
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    const bench::BarePage page = bench::BarePage::read(QString::fromLocal8Bit(argv[1]));
    if (page.runs.empty())
        return 1;
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("bare"));
    writer.setTitle(QString::fromUtf8("MUNKÁLTATÓI IGAZOLÁS – Kiss Anna"));
    writer.setPageLayout(QPageLayout(QPageSize(page.paperMm, QPageSize::Millimeter),
                                     QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    bench::BarePainter(page).draw(painter);
    return painter.end() ? 0 : 1;
}
