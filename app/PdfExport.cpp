// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PdfExport.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/PainterCanvas.h"
#include "report/RpReport.h"
#include "report/objects/RpPage.h"
#include "report/prepared/RpPreviewPages.h"

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
    // A document the user asked for: readable as the umask says, like any file they make.
    platform::AtomicFile file(path, platform::FileAccess::FollowUmask);
    PdfDocument document(file.Device(), title);
    document.AddPages(pages);
    document.Finish();
    file.Commit();
}

PdfDocument::PdfDocument(QIODevice& device, const QString& title)
    : writer_(std::make_unique<QPdfWriter>(&device)) {
    ConfigurePdfWriter(*writer_, title);
}

PdfDocument::~PdfDocument() = default;

void PdfDocument::AddPages(report::TrpPreviewPages& pages) {
    constexpr double scale = kResolution / 96.0;
    for (int i = 0; i < pages.PageCount(); ++i) {
        writer_->setPageLayout(layoutOf(pages, i));
        if (!painter_) {
            painter_ = std::make_unique<QPainter>(writer_.get());
            // The PDF stands for the printed paper: objects that do not print are left out too.
            platform::PainterCanvasOptions options{true, kResolution, kResolution};
            options.shareEqualPictures = true;
            canvas_ = std::make_unique<platform::PainterCanvas>(*painter_, options);
        } else {
            writer_->newPage();
        }
        pages.PaintPage(i, *canvas_, scale, scale, 0, 0);
        pages.DropCache();
        ++pageCount_;
    }
}

void PdfDocument::Finish() {
    if (!painter_)
        throw platform::Error("The report has no prepared pages");
    canvas_.reset();
    painter_->end();
    painter_.reset();
}

} // namespace app
