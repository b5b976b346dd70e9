// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ErrorReport.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(ErrorReport, FullStopIsAddedAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(errorReportText("Invalid file format"), "Invalid file format.");
    EXPECT_EQ(errorReportText("Nincs ment\xE9s!           ."), "Nincs ment\xE9s!           .");
    EXPECT_EQ(errorReportText("Hiba!"), "Hiba!");                  // '!' sorts before '.'
    EXPECT_EQ(errorReportText("t\xE9tel \xE1"), "t\xE9tel \xE1."); // accented letters sort after
    EXPECT_EQ(errorReportText("(1)"), "(1)");                      // ')' sorts before '.'
    EXPECT_EQ(errorReportText(""), "");
}
