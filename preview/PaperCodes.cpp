#include "preview/PaperCodes.h"

#include "report/RpPaperSizes.h"

#include <QSizeF>

namespace preview {

QPageSize pageSizeForPaper(int code, double widthMm, double heightMm) {
    if (code != report::customPaperSize) {
        const QPageSize::PageSizeId id = QPageSize::id(code);
        if (id != QPageSize::Custom)
            return QPageSize(id);
        report::PaperSizeOf(code, widthMm, heightMm);
    }
    return QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

} // namespace preview
