#include "controls/Beep.h"

#include <QApplication>
#include <utility>

namespace platform {
namespace {

std::function<void()>& handler() {
    static std::function<void()> h;
    return h;
}

} // namespace

void beep() {
    if (handler())
        handler()();
    else
        QApplication::beep();
}

std::function<void()> setBeepHandler(std::function<void()> h) {
    return std::exchange(handler(), std::move(h));
}

} // namespace platform
