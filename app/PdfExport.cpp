// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PdfExport.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/PainterCanvas.h"
#include "report/RpReport.h"
#include "report/objects/RpPage.h"
#include "report/prepared/RpPreviewPages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace app {
namespace {

constexpr int kResolution = 600;

QPageLayout layoutOf(report::TrpPreviewPages& pages, int index) {
    double width = 210, height = 297;
    if (auto* page = dynamic_cast<report::TrpReportPage*>(pages.RebuildPage(index))) {
        width = page->PaperWidth();
        height = page->PaperHeight();
    }
    return QPageLayout(QPageSize(QSizeF(width, height), QPageSize::Millimeter),
                       QPageLayout::Portrait, QMarginsF());
}

} // namespace

QString CertificatePdfTitle(const QString& employeeName) {
    const QString heading = QString::fromUtf8("MUNKÁLTATÓI IGAZOLÁS");
    const QString name = employeeName.trimmed();
    return name.isEmpty() ? heading : heading + QString::fromUtf8(" – ") + name;
}

void ConfigurePdfWriter(QPdfWriter& writer, const QString& title) {
    // PDF/A-1b: fonts embedded, XMP metadata with the title, no transparency; offices keep these
    // certificates for years.
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setResolution(kResolution);
    writer.setCreator(QStringLiteral("KF2718"));
    writer.setTitle(title);
}

void WritePreparedPagesToPdf(report::TrpReport& report, const QString& path, const QString& title) {
    report::TrpPreviewPages& pages = report.PreviewPages();
    if (pages.PageCount() == 0)
        throw platform::Error("The report has no prepared pages");
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        ConfigurePdfWriter(writer, title);
        writer.setPageLayout(layoutOf(pages, 0));
        QPainter painter(&writer);
        // The PDF stands for the printed paper: objects that do not print are left out of it too.
        platform::PainterCanvas canvas(painter, {true, kResolution, kResolution});
        constexpr double scale = kResolution / 96.0;
        for (int i = 0; i < pages.PageCount(); ++i) {
            if (i > 0) {
                writer.setPageLayout(layoutOf(pages, i));
                writer.newPage();
            }
            pages.PaintPage(i, canvas, scale, scale, 0, 0);
            pages.DropCache();
        }
    }
    platform::writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()),
                                  platform::FileAccess::FollowUmask);
}

} // namespace app
