// SPDX-License-Identifier: GPL-3.0-or-later
// A child process that saves the certificate window's form, for the tests that kill a save or
// starve it of disk space half-way:
//   save_child <folder> <pass phrase> <employer's name> [<times> [<kill at step>]]
// saves <times> times (the name gets the round's number after the first), and with a step
// (open, write, sync, rename) kills itself just before that step of the first save. Exit status:
// 0 saved, 1 a save failed (its message on standard error).
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/TestHooks.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int times = argc > 4 ? std::atoi(argv[4]) : 1;
    if (argc > 5) {
        const char* steps[] = {"open", "write", "sync", "rename"};
        for (int i = 0; i < 4; ++i)
            if (std::strcmp(argv[5], steps[i]) == 0)
                platform::setWriteFaultHook([i](platform::WriteStep step) {
                    if (static_cast<int>(step) == i)
                        std::raise(SIGKILL);
                    return 0;
                });
    }
    app::Forms forms = app::CreateForms();
    app::TForm1& window = *forms.form1;
    window.SetSaveFolder(QString::fromLocal8Bit(argv[1]));
    try {
        for (int round = 0; round < times; ++round) {
            const QString name = QString::fromLocal8Bit(argv[3]);
            window.Edit1->setText(round == 0 ? name : name + QString::number(round));
            window.ComposeFormText();
            window.SaveFormText(window.SaveFilePath(),
                                platform::toCp1250(QString::fromLocal8Bit(argv[2])));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
