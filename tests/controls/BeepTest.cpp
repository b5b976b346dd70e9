// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Beep.h"
#include "platform/TestHooks.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(Beep, AnInstalledHandlerReplacesTheSound) {
    int beeps = 0;
    auto previous = platform::setBeepHandler([&] { ++beeps; });
    beep();
    beep();
    platform::setBeepHandler(previous);
    EXPECT_EQ(beeps, 2);
}
