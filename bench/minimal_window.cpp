// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up baseline: a bare Qt Widgets window with one label, shown the way the program shows
// its window, ended by the same rule once it is painted.
#include "app/QuitWhenShown.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const bool quitWhenShown = app::QuitWhenShown::takeOption(arguments);
    QLabel window(QStringLiteral("KF2718"));
    if (quitWhenShown)
        app::QuitWhenShown::watch(window);
    window.showMaximized();
    return QApplication::exec();
}
