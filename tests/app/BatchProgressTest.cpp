// SPDX-License-Identifier: GPL-3.0-or-later
// The progress line of a long batch on a terminal.
#include "app/BatchProgress.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

TEST(BatchProgress, RedrawsAFewTimesASecondAndClearsItsLineAtTheEnd) {
    std::ostringstream out;
    qint64 now = 0;
    {
        app::BatchProgress progress(1000, out, true, [&] { return now; });
        EXPECT_NE(out.str().find("0/1000"), std::string::npos);
        for (int i = 0; i < 100; ++i) {
            now += 1; // 100 rows in 100 ms: no redraw yet
            progress.Advance();
        }
        EXPECT_EQ(out.str().find("100/1000"), std::string::npos);
        now = 250;
        progress.Advance();
        // 101 rows in 0.25 s: 404 a second, 899 left take about 2 s.
        const std::string line = out.str().substr(out.str().rfind('\r'));
        EXPECT_NE(line.find("101/1000"), std::string::npos) << line;
        EXPECT_NE(line.find("404/s"), std::string::npos) << line;
        EXPECT_NE(line.find("0:02"), std::string::npos) << line;
        EXPECT_NE(line.find("[##----------------------]"), std::string::npos) << line;
    }
    EXPECT_EQ(out.str().substr(out.str().size() - 4), "\r\x1b[K"); // cleared
}

TEST(BatchProgress, WritesNothingWhenNotOnATerminal) {
    std::ostringstream out;
    {
        app::BatchProgress progress(10, out, false);
        for (int i = 0; i < 10; ++i)
            progress.Advance();
    }
    EXPECT_TRUE(out.str().empty());
}

} // namespace
