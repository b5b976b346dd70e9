// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/UiFill.h"
#include "platform/Cp1250.h"
#include "platform/FontCache.h"

#include <QApplication>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

using namespace controls;
using platform::TColor;

namespace {

constexpr TColor activeStart = 9758459; // (251, 230, 148)
constexpr TColor activeEnd = 1414638;   // (238, 149, 21)
constexpr TColor inactive = 12505042;   // (210, 207, 190)
constexpr TColor inactiveText = 4542543;

const std::array<QColor, 16> activeBands = {
    QColor(251, 230, 148), QColor(250, 225, 140), QColor(249, 219, 131), QColor(248, 214, 123),
    QColor(248, 208, 114), QColor(247, 203, 106), QColor(246, 198, 97),  QColor(245, 192, 89),
    QColor(244, 187, 80),  QColor(243, 181, 72),  QColor(242, 176, 63),  QColor(241, 171, 55),
    QColor(241, 165, 46),  QColor(240, 160, 38),  QColor(239, 154, 29),  QColor(238, 149, 21),
};
const std::array<int, 17> bandStarts = {0,  2,  3,  5,  7,  8,  10, 12, 14,
                                        15, 17, 19, 20, 22, 24, 25, 27};

std::string cp1250(const char* utf8) {
    return platform::toCp1250(QString::fromUtf8(utf8));
}

// As the certificate window sets up its section captions.
void setUpSectionCaption(TUiFill& fill, const std::string& caption) {
    fill.resize(703, 27);
    fill.Bevel().SetMode(bmCustom);
    fill.Caption().SetCaption(caption);
    fill.Caption().SetAlignment(agCenterLeft);
    TUiFont& font = fill.Caption().Font();
    font.SetName("Tahoma");
    font.SetHeight(13);
    font.SetStyle(fsBold);
    font.SetCharset(EASTEUROPE_CHARSET);
    fill.FillObject().SetStyle(sfGradient);
    fill.FillObject().Gradient().SetColor(activeStart);
    fill.FillObject().Gradient().SetEndColor(activeEnd);
}

void makeInactive(TUiFill& fill) {
    fill.FillObject().Gradient().SetColor(inactive);
    fill.FillObject().Gradient().SetEndColor(inactive);
    fill.Caption().Font().SetColor(inactiveText);
}

QImage render(TUiFill& fill) {
    return fill.grab().toImage();
}

int countPixels(const QImage& image, const QColor& color, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

TEST(UiGradient, BuildsTheSixteenBandColoursWithMulDivRounding) {
    TUiGradient gradient;
    gradient.SetColor(activeStart);
    gradient.SetEndColor(activeEnd);
    ASSERT_EQ(gradient.Colors().size(), 16u);
    for (size_t i = 0; i < 16; ++i)
        EXPECT_EQ(platform::toQColor(gradient.Colors()[i]), activeBands[i]) << "band " << i;

    gradient.SetColorCount(1000);
    EXPECT_EQ(gradient.ColorCount(), 236);
    EXPECT_EQ(gradient.Colors().back(), platform::rgb(238, 149, 21));
}

TEST(UiFill, PaintsSixteenBandsFromTopToBottomForHeight27) {
    TUiFill fill;
    setUpSectionCaption(fill, "");
    const QImage image = render(fill);
    ASSERT_EQ(image.size(), QSize(703, 27));
    for (int band = 0; band < 16; ++band)
        for (int y = bandStarts[band]; y < bandStarts[band + 1]; ++y)
            for (int x : {0, 351, 702})
                ASSERT_EQ(image.pixelColor(x, y), activeBands[band])
                    << "band " << band << " row " << y << " column " << x;

    // Without the off-screen image the bands are the same.
    fill.FillObject().SetOptions(foFillInner);
    EXPECT_EQ(render(fill), image);
}

TEST(UiFill, HorizontalStylePaintsColumns) {
    TUiFill fill;
    setUpSectionCaption(fill, "");
    fill.resize(27, 5);
    fill.FillObject().Gradient().SetStyle(gstHorizontal);
    const QImage image = render(fill);
    for (int band = 0; band < 16; ++band)
        for (int x = bandStarts[band]; x < bandStarts[band + 1]; ++x)
            ASSERT_EQ(image.pixelColor(x, 4), activeBands[band]) << "column " << x;
}

TEST(UiFill, InactiveLookIsOneFlatBandUnderGreyText) {
    TUiFill fill;
    setUpSectionCaption(fill, cp1250("    I. A MUNKÁLTATÓ"));
    makeInactive(fill);
    const QImage image = render(fill);
    const QColor flat(210, 207, 190);
    const QColor text(79, 80, 69);
    // The four leading blanks are the indentation: nothing is drawn there.
    EXPECT_EQ(countPixels(image, flat, QRect(0, 0, 10, 27)), 10 * 27);
    // The text is there, in its colour, on one line around the middle.
    EXPECT_GT(countPixels(image, text, QRect(10, 0, 200, 27)), 20);
    EXPECT_EQ(countPixels(image, flat, QRect(0, 0, 703, 4)), 703 * 4);
    EXPECT_EQ(countPixels(image, flat, QRect(0, 23, 703, 4)), 703 * 4);
    EXPECT_EQ(countPixels(image, flat, QRect(250, 0, 453, 27)), 453 * 27);
}

TEST(UiFill, BlankOrEmptyCaptionLeavesJustTheGradient) {
    TUiFill empty;
    setUpSectionCaption(empty, "");
    TUiFill blanks;
    setUpSectionCaption(blanks, "     ");
    EXPECT_EQ(render(blanks), render(empty));
}

TEST(UiFill, LongCaptionStaysOnOneLineAndIsCutAtTheRightEdge) {
    TUiFill fill;
    setUpSectionCaption(fill, std::string(200, 'W'));
    fill.Caption().SetAlignment(agTopLeft);
    makeInactive(fill);
    const QImage image = render(fill);
    const QColor flat(210, 207, 190);
    // Text reaches the right edge, but no second line starts below the first.
    EXPECT_LT(countPixels(image, flat, QRect(690, 0, 13, 14)), 13 * 14);
    EXPECT_EQ(countPixels(image, flat, QRect(0, 18, 703, 9)), 703 * 9);
}

TEST(UiFill, OpaqueCaptionRepaintsAtOnceOnRealChangesOnly) {
    QWidget parent;
    parent.resize(720, 40);
    auto* fill = new TUiFill(&parent);
    setUpSectionCaption(*fill, cp1250("     II. A MUNKAVÁLLALÓ"));
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    PaintCounter counter;
    fill->installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;

    fill->FillObject().Gradient().SetColor(activeStart);
    fill->Caption().Font().SetColor(platform::clWindowText);
    EXPECT_EQ(counter.paints, 0);

    // The window's three assignments when the focus leaves the section: three immediate paints.
    makeInactive(*fill);
    EXPECT_EQ(counter.paints, 3);
    EXPECT_EQ(render(*fill).pixelColor(702, 0), QColor(210, 207, 190));

    // A transparent fill is painted later, together with what lies behind it.
    counter.paints = 0;
    fill->FillObject().SetStyle(sfNone);
    EXPECT_EQ(counter.paints, 0);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

// Wine's Tahoma Bold has regular-weight stems; the section captions must still read bold.
TEST(UiFill, BoldCaptionHasVisiblyWiderStemsThanARegularOne) {
    if (!platform::hasThinBoldStems({"Tahoma", 13, platform::fontBold}))
        GTEST_SKIP() << "no bold face with thin stems (Wine's Tahoma) is installed";
    const auto firstStem = [](TFontStyles style) {
        TUiFill fill;
        setUpSectionCaption(fill, "Ill");
        fill.Caption().Font().SetStyle(style);
        const QImage image = render(fill);
        const int row = image.height() / 2;
        int x = 0, width = 0;
        while (x < image.width() && qGray(image.pixel(x, row)) >= 110)
            ++x;
        while (x + width < image.width() && qGray(image.pixel(x + width, row)) < 110)
            ++width;
        return width;
    };
    const int regular = firstStem(0), bold = firstStem(fsBold);
    ASSERT_GT(regular, 0);
    EXPECT_GE(bold, 1.6 * regular) << bold << " vs " << regular;
}
