// SPDX-License-Identifier: GPL-3.0-or-later
// The form text that Load restores into the certificate window, on a window without a display.
#include "app/CertificateWindow.h"
#include "app/LineBufferWindow.h"
#include "app/Startup.h"
#include "controls/RichEdit.h"
#include "platform/Error.h"

#include <QApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static app::Forms forms = app::CreateForms();
    forms.form3->RichEdit4->SetText(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        forms.form1->RestoreFormText();
    } catch (const platform::Error&) {
    }
    return 0;
}
