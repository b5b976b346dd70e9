#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "platform/FontSubstitutes.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KF2718"));
    platform::installFontSubstitutes();

    app::Forms forms = app::CreateForms();
    // The window fills the desktop's work area.
    forms.form1->showMaximized();
    return QApplication::exec();
}
