#include "controls/DialogUnits.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace controls;

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(8, 7, 4), 14);
    EXPECT_EQ(MulDiv(10, 15, 8), 19); // 18.75
    EXPECT_EQ(MulDiv(14, 13, 8), 23); // 22.75
    EXPECT_EQ(MulDiv(8, 13, 8), 13);
    EXPECT_EQ(MulDiv(5, 1, 2), 3);   // 2.5
    EXPECT_EQ(MulDiv(-5, 1, 2), -3); // -2.5
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(7, 1, 4), 2); // 1.75
    EXPECT_EQ(MulDiv(5, 1, 4), 1); // 1.25
}

TEST(MulDiv, ComputesWithoutIntermediateOverflowAndFailsOnZeroDivisor) {
    EXPECT_EQ(MulDiv(1 << 30, 8, 16), 1 << 29);
    EXPECT_EQ(MulDiv(3, 4, 0), -1);
}

TEST(WrappedTextSize, BreaksAtWordsWithinTheWidthAndCountsInnerBlanks) {
    const QFont font;
    const QFontMetrics metrics(font);
    const QSize one = wrappedTextSize(font, 10000, QStringLiteral("Hibas jelszo!"));
    const QSize blanks = wrappedTextSize(font, 10000, QStringLiteral("Hibas jelszo!           ."));
    EXPECT_EQ(blanks.height(), one.height());
    EXPECT_GE(blanks.width() - one.width(), 11 * metrics.horizontalAdvance(' '));

    const QString words = QStringLiteral("word ").repeated(60).trimmed();
    const QSize wrapped = wrappedTextSize(font, 200, words);
    EXPECT_LE(wrapped.width(), 200);
    EXPECT_GE(wrapped.height(), 3 * one.height());
}
