// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/OpenPreview.h"

#include "preview/PreviewForm.h"

#include "report/RpReport.h"

#include <memory>

namespace preview {

void OpenPreview(report::TrpReport& report, PreviewServices services, QWidget* owner) {
    auto form = std::make_unique<TrpPreviewForm>(std::move(services), owner);
    form->Attach(report);
    if (report.PreviewOptions.Modal) {
        form->exec();
        return;
    }
    form->setAttribute(Qt::WA_DeleteOnClose);
    form.release()->show();
}

} // namespace preview
