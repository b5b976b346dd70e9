// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Beep.h"

#include "platform/TestHooks.h"

#include <QApplication>

namespace controls {

void beep() {
    if (const platform::BeepHook& hook = platform::beepHandler())
        hook();
    else
        QApplication::beep();
}

} // namespace controls
