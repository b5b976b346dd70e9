// SPDX-License-Identifier: GPL-3.0-or-later
// The Print baseline as a whole program: a bare Qt window shown maximized that paints the
// certificate's page (bench/BarePageWindow.h), ended by the start-up benchmark's rule once it is
// painted.
//   bare_page_window PAGE.txt --quit-when-shown
#include "app/QuitWhenShown.h"
#include "bench/BarePageWindow.h"

#include <QApplication>
#include <QFontDatabase>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const bool quitWhenShown = app::QuitWhenShown::takeOption(arguments);
    if (arguments.size() != 2)
        return 2;
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    const bench::BarePage page = bench::BarePage::read(arguments[1]);
    if (page.runs.empty())
        return 1;
    bench::BarePainter painter(page);
    bench::BarePageWindow window(painter);
    if (quitWhenShown)
        app::QuitWhenShown::watch(window);
    window.showMaximized();
    return QApplication::exec();
}
