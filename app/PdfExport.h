// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a report's prepared pages into a PDF file at 600 dpi, each page on paper of its own size,
// drawn by the same PaintPage as the preview and the printer, so the text stays selectable.
#include <QString>

namespace report {
class TrpReport;
}

namespace app {

// Raises platform::Error when there are no pages or the file cannot be written; a failed export
// leaves an existing file untouched.
void WritePreparedPagesToPdf(report::TrpReport& report, const QString& path);

} // namespace app
