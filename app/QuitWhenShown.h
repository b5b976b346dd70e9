#pragma once
// For the start-up benchmark: with the environment variable KF2718_QUIT_WHEN_SHOWN set, the event
// loop ends once the window has been exposed and painted, so a whole process measures start-up to
// window shown. Header-only, so that the benchmark's bare Qt window uses the very same rule.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace app {

class QuitWhenShown : public QObject {
public:
    static void watch(QWidget& window) {
        if (!qEnvironmentVariableIsSet("KF2718_QUIT_WHEN_SHOWN"))
            return;
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
