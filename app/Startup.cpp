// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/CertificateWindow.h"
#include "app/GuideWindow.h"
#include "app/LineBufferWindow.h"
#include "platform/Cp1250.h"
#include "report/RpReport.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

Forms::Forms() = default;
Forms::Forms(Forms&&) noexcept = default;
Forms::~Forms() = default;

Forms CreateForms() {
    Forms forms;
    forms.form1 = std::make_unique<TForm1>();
    forms.form2 = std::make_unique<TForm2>();
    forms.form3 = std::make_unique<TForm3>();
    forms.form1->SetLineBuffers(forms.form3.get());
    return forms;
}

void InstallReportErrorBox(TForm1& window) {
    window.rpReport1.ErrorBox = [](const std::string& caption, const std::string& text) {
        QMessageBox box(QMessageBox::Critical, platform::toUnicode(caption),
                        platform::toUnicode(text), QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    };
}

} // namespace app
