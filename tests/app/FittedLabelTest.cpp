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

TEST(FittedLabel, LabelsOfOneFontThatMustBeNarrowedShareTheWidestStretchAtWhichAllFit) {
    const QString shortText = QString::fromUtf8("Mióta áll alkalmazásban:");
    QLabel probe(shortText);
    probe.setFont(arial15());
    probe.adjustSize();
    const int shortNatural = probe.width();
    const int natural = widthAt(QFont::Unstretched);
    // One label a little too wide, one much too wide, one roomy; a bold one of another font.
    FittedLabel slightly(kText, nullptr, natural - 3);
    FittedLabel cramped(shortText, nullptr, shortNatural * 9 / 10);
    FittedLabel roomy(shortText, nullptr, shortNatural + 5);
    QFont bold = arial15();
    bold.setBold(true);
    FittedLabel other(kText, nullptr, natural - 3);
    for (FittedLabel* label : {&slightly, &cramped, &roomy})
        label->setFont(arial15());
    other.setFont(bold);
    FittedLabel::FitAll({&slightly, &cramped, &roomy, &other});

    EXPECT_EQ(roomy.font().stretch(), QFont::AnyStretch);
    EXPECT_EQ(roomy.width(), shortNatural);
    const int shared = cramped.font().stretch();
    EXPECT_EQ(slightly.font().stretch(), shared);
    EXPECT_LT(shared, 100);
    EXPECT_LE(slightly.width(), slightly.DesignWidth());
    EXPECT_LE(cramped.width(), cramped.DesignWidth());
    // The widest stretch at which both fit, up to the proportion the cramped label needs: one
    // wider within it leaves the cramped label too wide.
    const int proportion = cramped.DesignWidth() * 100 / shortNatural;
    EXPECT_LE(shared, proportion);
    if (shared + 1 <= proportion) {
        FittedLabel wider(shortText, nullptr, cramped.DesignWidth());
        QFont font = arial15();
        font.setStretch(shared + 1);
        wider.setFont(font);
        wider.adjustSize();
        EXPECT_GT(wider.width(), wider.DesignWidth());
    }
    // Another font is fitted on its own: the slightly too wide bold text needs little narrowing.
    EXPECT_GT(other.font().stretch(), shared);
    EXPECT_LE(other.width(), other.DesignWidth());
}
