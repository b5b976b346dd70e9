// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the start-up benchmark: with the command-line option --quit-when-shown (not in --help) the
// event loop ends once the window has been exposed and painted, so a whole process measures
// start-up to window shown. Header-only, so that the benchmark's bare Qt window uses the very same
// rule.
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace app {

class QuitWhenShown : public QObject {
public:
    // Takes the option out of the arguments; true when it was there.
    static bool takeOption(QStringList& arguments) {
        return arguments.removeAll(QStringLiteral("--quit-when-shown")) > 0;
    }

    static void watch(QWidget& window) {
        window.winId(); // the native window to watch
        window.windowHandle()->installEventFilter(new QuitWhenShown(&window));
    }

protected:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Widgets paint while the expose event is handled; quitting after it counts the paint.
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace app
