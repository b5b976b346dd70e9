#include "app/Startup.h"

#include "app/CertificateWindow.h"
#include "app/GuideWindow.h"
#include "app/LineBufferWindow.h"

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

} // namespace app
