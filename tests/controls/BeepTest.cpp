#include "controls/Beep.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Beep, AnInstalledHandlerReplacesTheSound) {
    int beeps = 0;
    auto previous = setBeepHandler([&] { ++beeps; });
    beep();
    beep();
    setBeepHandler(previous);
    EXPECT_EQ(beeps, 2);
}
