// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchCommand.h"
#include "app/CertificateWindow.h"
#include "app/CommandLine.h"
#include "app/QuitWhenShown.h"
#include "app/Startup.h"
#include "platform/FontSubstitutes.h"
#include "platform/QtTranslations.h"

#include <QApplication>
#include <iostream>

namespace {

// Qt's own notices (a missing runtime folder and the like) are noise on a command line; the
// program writes its messages to standard error itself.
void onlySeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toLocal8Bit().toStdString() << '\n';
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool quitWhenShown = app::QuitWhenShown::takeOption(arguments);
    // Options ask for work on the command line, which needs no window system unless it is a
    // batch to be shown in the preview.
    const bool options = app::HasOptions(arguments);
    QString error;
    const auto request = options ? app::ParseCommandLine(arguments, error) : std::nullopt;
    // The help is plain text: no application object, fonts or window system for it.
    if (request && request->help)
        return app::RunHeadless(*request, std::cin, std::cout, std::cerr);
    const bool headless = options && !(request && request->PreviewsBatch());
    if (headless) {
        // Exporting and printing need no window system at all.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(onlySeriousQtMessages);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KF2718"));
    platform::installFontSubstitutes();

    if (options && !request) {
        std::cerr << "kf2718: " << error.toLocal8Bit().toStdString()
                  << "\nkf2718 --help tells the options.\n";
        return 2;
    }
    if (headless)
        return app::RunHeadless(*request, std::cin, std::cout, std::cerr);

    platform::installQtTranslations();
    if (request)
        return app::RunBatchPreview(*request, std::cerr);
    app::Forms forms = app::CreateForms();
    app::InstallReportErrorBox(*forms.form1);
    // The window fills the desktop's work area.
    if (quitWhenShown)
        app::QuitWhenShown::watch(*forms.form1);
    forms.form1->showMaximized();
    return QApplication::exec();
}
