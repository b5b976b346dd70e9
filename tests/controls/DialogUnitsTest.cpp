// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DialogUnits.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace controls;

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
