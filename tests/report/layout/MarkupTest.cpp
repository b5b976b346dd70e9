// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/layout/RpMarkup.h"

#include "platform/Canvas.h"

#include <gtest/gtest.h>

using namespace report;
using platform::fontBold;
using platform::fontItalic;
using platform::fontStrikeOut;
using platform::fontUnderline;

namespace {

constexpr platform::TColor red = 0x0000FF;
constexpr platform::TColor green = 0x00FF00;

// Strips the lines of one object the way the layout reads them.
struct Stripped {
    TrpHTMLTagsList list;
    std::string text;

    explicit Stripped(std::initializer_list<std::string_view> lines, bool allow = true) {
        list.Start(allow, 0, 10, 0);
        for (std::string_view line : lines)
            list.StripMarkup(line, text);
    }
    TrpHTMLTag at(size_t i) const { return list.TagAt(static_cast<int>(i)); }
};

} // namespace

TEST(Markup, StylesOpenAndCloseInEitherCaseAndCarryIntoLaterLines) {
    Stripped s{"a<b>b<I>c</B>d<u>e</i></U>f", "<b>bold", "still</b>x"};
    EXPECT_EQ(s.text, "abcdefboldstillx");
    const int styles[] = {
        0, fontBold, fontBold | fontItalic, fontItalic, fontItalic | fontUnderline, 0};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(s.at(i).Style, styles[i]) << i;
    // Bold opened in the second line holds in the third until closed.
    for (size_t i = 6; i < 15; ++i)
        EXPECT_EQ(s.at(i).Style, fontBold) << i;
    EXPECT_EQ(s.at(15).Style, 0);
}

TEST(Markup, UnknownFormsAreTextOrVanishAsTheRulesSay) {
    EXPECT_EQ(Stripped{"a<br>b"}.text, "a<br>b");
    EXPECT_EQ(Stripped{"a<abc>b"}.text, "ab");
    EXPECT_EQ(Stripped{"<x>a</x>"}.text, "<x>a</x>");
    EXPECT_EQ(Stripped{"1 < 2 <"}.text, "1 < 2 <");
    const Stripped vanished{"a<abc>b"};
    EXPECT_EQ(vanished.at(1).Style, 0);
    EXPECT_TRUE(vanished.at(1).SameAsPrevious);
}

TEST(Markup, FontColourByNameOrHexadecimalValue) {
    const Stripped named{"<font color=red>x</font>y"};
    EXPECT_EQ(named.text, "xy");
    EXPECT_EQ(named.at(0).Color, red);
    EXPECT_EQ(named.at(1).Color, 0u);

    const Stripped hex{"<FONT COLOR=  \"#FF0000\">x", "<font color=\"#00ff00\">y"};
    EXPECT_EQ(hex.text, "xy");
    EXPECT_EQ(hex.at(0).Color, red);
    EXPECT_EQ(hex.at(1).Color, green);
    // Only the first "<font color" of a line is a tag.
    const Stripped second{"<font color=red>x", "<font color=lime>y<font color=red>z"};
    EXPECT_EQ(second.text, "xy<font color=red>z");
    EXPECT_EQ(second.at(1).Color, green);

    // A value that names no colour, or none at all, leaves the tag as text.
    EXPECT_EQ(Stripped{"<font color=nosuch>x"}.text, "<font color=nosuch>x");
    EXPECT_EQ(Stripped{"<font color=>x"}.text, "<font color=>x");
    EXPECT_EQ(Stripped{"<font color=\"#GG0000\">x"}.text, "<font color=\"#GG0000\">x");
}

TEST(Markup, SubscriptAndSuperscriptShrinkByOneAndAHalf) {
    const Stripped s{"H<sub>2</sub>O x<SUP>3</SUP>"};
    EXPECT_EQ(s.text, "H2O x3");
    EXPECT_EQ(s.at(1).Size, 7); // Round(10 / 1.5)
    EXPECT_TRUE(s.at(1).Subscript);
    EXPECT_TRUE(s.at(1).ReducedSize);
    EXPECT_EQ(s.at(2).Size, 10);
    EXPECT_FALSE(s.at(2).Subscript);
    EXPECT_FALSE(s.at(2).ReducedSize);
    EXPECT_EQ(s.at(5).Size, 7);
    EXPECT_FALSE(s.at(5).Subscript);
}

TEST(Markup, SubSupStrikeAndFontEndAreTagsOnlyAtTheirFirstOccurrenceInALine) {
    // The second <sub> still vanishes (any five-character form does) but has no effect; the
    // second </sub> is not recognised and stays text.
    const Stripped sub{"<sub>a</sub><sub>b</sub>"};
    EXPECT_EQ(sub.text, "ab</sub>");
    EXPECT_TRUE(sub.at(0).Subscript);
    EXPECT_FALSE(sub.at(1).Subscript);
    EXPECT_EQ(sub.at(1).Size, 10);

    const Stripped strike{"<strike>a</STRIKE><strike>b"};
    EXPECT_EQ(strike.text, "a<strike>b");
    EXPECT_EQ(strike.at(0).Style, fontStrikeOut);
    EXPECT_EQ(strike.at(1).Style, 0);

    // In the next line the first occurrence counts anew.
    const Stripped lines{"<strike>a", "<strike>b</strike>c"};
    EXPECT_EQ(lines.text, "abc");
    EXPECT_EQ(lines.at(2).Style, 0);
}

TEST(Markup, SameAsPreviousMarksWhereTheAttributesChange) {
    const Stripped s{"ab<b>c</b>d", "e<font color=red>f"};
    const bool same[] = {true, true, false, false, true, false};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(s.at(i).SameAsPrevious, same[i]) << i;
    // A subscript followed directly by a superscript of the same size starts a new run.
    const Stripped subSup{"<sub>a</sub><sup>b"};
    EXPECT_FALSE(subSup.at(1).SameAsPrevious);
}

TEST(Markup, WithoutMarkupAllowedTagsAreTextAndEveryCharacterIsTheSame) {
    const Stripped s({"<b>x</b>"}, false);
    EXPECT_EQ(s.text, "<b>x</b>");
    ASSERT_EQ(s.list.Runs().size(), 1u);
    EXPECT_TRUE(s.list.Runs()[0].Tag.SameAsPrevious);
    EXPECT_EQ(s.list.Runs()[0].Tag.Style, 0);
}
