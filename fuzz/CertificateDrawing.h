// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets of the certificate share: the window made once (offscreen), and Print's
// preparation drawn onto a recording canvas, the way the preview and the printer draw it, so that
// field text runs through expansion, mark-up and layout.
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "platform/RecordingCanvas.h"
#include "report/RpReport.h"
#include "report/prepared/RpPreviewPages.h"

#include <QApplication>

namespace fuzzing {

inline void startOffscreen(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
}

inline app::Forms& certificate() {
    static app::Forms forms = [] {
        app::Forms made = app::CreateForms();
        made.form1->rpReport1.EngineOptions.SilentMode = true;
        made.form1->OpenPreview = [](report::TrpReport& report) {
            report::TrpPreviewPages& pages = report.PreviewPages();
            for (int i = 0; i < pages.PageCount(); ++i) {
                platform::RecordingCanvas canvas;
                pages.PaintPage(i, canvas, 1, 1, 0, 0);
            }
        };
        return made;
    }();
    return forms;
}

// Print: identifier, preparation, drawing.
inline void printCertificate() {
    certificate().form1->Nyomtats1Click();
}

} // namespace fuzzing
