// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FittedLabel.h"

#include <QFont>
#include <gtest/gtest.h>

using app::FittedLabel;

namespace {

const QString kText =
    QString::fromUtf8("Az utolsó 3 havi nettó jövedelem átlaga (családi pótlék nélkül):");

QFont arial15() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    return font;
}

int widthAt(int stretch) {
    QLabel label(kText);
    QFont font = arial15();
    font.setStretch(stretch);
    label.setFont(font);
    label.adjustSize();
    return label.width();
}

} // namespace

TEST(FittedLabel, ATextWiderThanItsBoxGetsTheWidestStretchThatFits) {
    const int natural = widthAt(QFont::Unstretched);
    // A few pixels too wide, as the metric stand-ins make some texts; then a tenth and a fifth.
    for (const int designWidth : {natural - 3, natural * 9 / 10, natural * 8 / 10 + 2}) {
        FittedLabel label(kText, nullptr, designWidth);
        label.setFont(arial15());
        label.Fit();
        const int stretch = label.font().stretch();
        EXPECT_LE(label.width(), designWidth) << designWidth;
        EXPECT_GE(stretch, 80) << designWidth;
        EXPECT_LT(stretch, 100) << designWidth;
        // One wider would not fit, unless it is wider than the proportion, where no search starts.
        if (stretch + 1 <= designWidth * 100 / natural) {
            EXPECT_GT(widthAt(stretch + 1), designWidth) << designWidth;
        }
    }
}

TEST(FittedLabel, KeepsItsFontWhenTheTextFitsAndNarrowsNoFurtherThanFourFifths) {
    const int natural = widthAt(QFont::Unstretched);
    FittedLabel roomy(kText, nullptr, natural + 10);
    roomy.setFont(arial15());
    roomy.Fit();
    EXPECT_EQ(roomy.font().stretch(), QFont::AnyStretch);
    EXPECT_EQ(roomy.width(), natural);

    // Letters narrower than 80 % would look squashed: the text is then wider than its box.
    FittedLabel cramped(kText, nullptr, natural / 2);
    cramped.setFont(arial15());
    cramped.Fit();
    EXPECT_EQ(cramped.font().stretch(), 80);
    EXPECT_GT(cramped.width(), natural / 2);
}
