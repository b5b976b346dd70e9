// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PaperCodes.h"

#include "report/objects/RpPaperSizes.h"

#include <QSizeF>

namespace preview {

QPageSize pageSizeForPaper(int code, double widthMm, double heightMm) {
    if (code != report::customPaperSize) {
        // The paper table decides the size (Qt's own code mapping differs for B4 and a few
        // others); a standard size that matches keeps its name for the spooler.
        if (report::PaperSizeOf(code, widthMm, heightMm))
            return QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, QString(),
                             QPageSize::FuzzyMatch);
        if (const QPageSize::PageSizeId id = QPageSize::id(code); id != QPageSize::Custom)
            return QPageSize(id);
    }
    return QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

} // namespace preview
