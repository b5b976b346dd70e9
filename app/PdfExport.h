// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a report's prepared pages into a PDF file at 600 dpi, each page on paper of its own size,
// drawn by the same PaintPage as the preview and the printer, so the text stays selectable. The
// file is an archive copy: PDF/A-1b with its title, creator and XMP metadata.
#include <QString>
#include <memory>

class QIODevice;
class QPainter;
class QPdfWriter;

namespace platform {
class PainterCanvas;
}

namespace report {
class TrpReport;
class TrpPreviewPages;
} // namespace report

namespace app {

// The document title of a certificate: "MUNKÁLTATÓI IGAZOLÁS – <employee's name>", or the
// heading alone without a name.
QString CertificatePdfTitle(const QString& employeeName);

// Every setting of a certificate PDF but its pages: PDF/A-1b, 600 dpi, the title, the creator.
void ConfigurePdfWriter(QPdfWriter& writer, const QString& title);

// Raises platform::Error when there are no pages or the file cannot be written; a failed export
// leaves an existing file untouched. The file's mode follows the umask, as any document the user
// writes.
void WritePreparedPagesToPdf(report::TrpReport& report, const QString& path,
                             const QString& title = CertificatePdfTitle({}));

// One PDF document filled from the prepared pages of one or more preparations, in order. Fonts
// and pictures drawn on several pages are stored in the document once.
class PdfDocument {
public:
    PdfDocument(QIODevice& device, const QString& title);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Appends every page prepared now; the rebuilt pages are dropped after each.
    void AddPages(report::TrpPreviewPages& pages);
    int PageCount() const { return pageCount_; }
    // Writes the end of the document; raises platform::Error when it has no page.
    void Finish();

private:
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<platform::PainterCanvas> canvas_;
    int pageCount_ = 0;
};

} // namespace app
