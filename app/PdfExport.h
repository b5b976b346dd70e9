// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a report's prepared pages into a PDF file at 600 dpi, each page on paper of its own size,
// drawn by the same PaintPage as the preview and the printer, so the text stays selectable. The
// file is an archive copy: PDF/A-1b with its title, creator and XMP metadata.
#include <QString>

class QPdfWriter;

namespace report {
class TrpReport;
}

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

} // namespace app
