// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/layout/TextLayout.h"
#include "report/common/RpFont.h"

#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace report;

namespace {

// The layout works at 600 dpi; report units are 96 to the inch.
constexpr double toWorking = 600.0 / 96.0;

const TrpFont arial11{"Arial", 11};

// Cumulative extents at 600 dpi, measured independently of the layout.
std::vector<int> extents600(std::string_view text, int style = 0) {
    platform::RecordingCanvas canvas(96, 96);
    platform::CanvasFont font = arial11.canvasFont(92);
    font.style = style;
    canvas.setFont(font);
    return canvas.textExtents(text);
}

// The narrowest whole-unit width whose 600-dpi width reaches px.
int unitsReaching(int px) {
    int units = 0;
    while (rpRound(units * toWorking) < px)
        ++units;
    return units;
}

struct Layout {
    TrpDrawText drawText;

    explicit Layout(int width, bool wordWrap = true, bool allowTags = false,
                    double paragraphGap = 0, double charSpacing = 0) {
        drawText.TakeFont(arial11);
        drawText.TakeOptions(wordWrap, allowTags, 0, false, false);
        drawText.TakeGaps(paragraphGap, charSpacing, 2);
        const platform::Rect rect{0, 0, width, 1000};
        drawText.TakeRects(1, 1, rect, rect);
    }
    std::vector<std::string> lay(const std::vector<std::string>& source) {
        drawText.LayOutText(source);
        std::vector<std::string> lines;
        for (int i = 0; i < drawText.LineCount(); ++i)
            lines.emplace_back(drawText.Line(i));
        return lines;
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST(TextLayout, FontHeightAndLineStepAtTheWorkingResolution) {
    TrpDrawText drawText;
    drawText.TakeFont(arial11);
    EXPECT_EQ(drawText.FontHeight(), 92);
    EXPECT_EQ(drawText.ScreenResolution(), 96);
    drawText.TakeGaps(0, 0, 2);
    EXPECT_DOUBLE_EQ(drawText.LineStep(), 16.72);
    drawText.TakeGaps(0, 0, 6);
    EXPECT_DOUBLE_EQ(drawText.LineStep(), 20.72);
    drawText.TakeFont(TrpFont{"Arial", 10});
    EXPECT_EQ(drawText.FontHeight(), 83);

    Layout layout(500);
    layout.lay({"one", "two", "three"});
    EXPECT_DOUBLE_EQ(layout.drawText.CalcHeight(), 3 * 16.72);
    layout.lay({});
    EXPECT_EQ(layout.drawText.LineCount(), 0);
    EXPECT_EQ(layout.drawText.CalcHeight(), 0);
}

TEST(TextLayout, BreaksAtTheLastBlankThatFitsAndDropsIt) {
    const std::string text = "aaa bbb ccc";
    const std::vector<int> ext = extents600(text);
    const int width = unitsReaching(ext[6]); // "aaa bbb" fits, "aaa bbb c" does not
    ASSERT_LT(rpRound(width * toWorking), ext[8]);
    Layout layout(width);
    EXPECT_EQ(layout.lay({text}), (Lines{"aaa bbb", "ccc"}));
    EXPECT_EQ(layout.drawText.LineFlags(0), TrpDrawText::lineFirst);
    EXPECT_EQ(layout.drawText.LineFlags(1), TrpDrawText::lineLast);
    // A paragraph of one line is first and last; an empty source line is one blank.
    EXPECT_EQ(layout.lay({"x", "", "y"}), (Lines{"x", " ", "y"}));
    EXPECT_EQ(layout.drawText.LineFlags(1), TrpDrawText::lineFirst | TrpDrawText::lineLast);
}

TEST(TextLayout, ABlankBreakAtTheVeryEndLeavesNoEmptyLine) {
    const std::string text = "aaa bbb ";
    const std::vector<int> ext = extents600(text);
    const int width = unitsReaching(ext[6]);
    ASSERT_LT(rpRound(width * toWorking), ext[7]);
    Layout layout(width);
    EXPECT_EQ(layout.lay({text}), (Lines{"aaa bbb"}));
    EXPECT_EQ(layout.drawText.LineFlags(0), TrpDrawText::lineFirst | TrpDrawText::lineLast);
}

TEST(TextLayout, ALongWordBreaksBeforeItsFirstCharacterThatDoesNotFit) {
    const std::string word(10, 'm');
    const std::vector<int> ext = extents600(word);
    const int width = unitsReaching(ext[4] + 1);
    ASSERT_LT(rpRound(width * toWorking), ext[5] - 1);
    Layout layout(width);
    EXPECT_EQ(layout.lay({word}), (Lines{"mmmmm", "mmmmm"}));
    // After a blank the word still starts on a line of its own.
    EXPECT_EQ(layout.lay({"m " + word}), (Lines{"m", "mmmmm", "mmmmm"}));
}

TEST(TextLayout, ACharacterWiderThanTheWholeWidthStandsAlone) {
    const int wide = extents600("W").back();
    const int narrow = extents600("ii").back();
    const int width = unitsReaching(narrow);
    ASSERT_LT(rpRound(width * toWorking), wide);
    Layout layout(width);
    EXPECT_EQ(layout.lay({"Wii"}), (Lines{"W", "ii"}));
    EXPECT_EQ(layout.lay({"WW"}), (Lines{"W", "W"}));
}

TEST(TextLayout, TheFirstLineOfAParagraphLeavesRoomForTheParagraphGap) {
    const std::string text = "aaa bbb ccc";
    const std::vector<int> ext = extents600(text);
    const int width = unitsReaching(ext.back());
    EXPECT_EQ(Layout(width).lay({text}), (Lines{text}));
    const double gap = width - unitsReaching(ext[6]);
    ASSERT_LT(rpRound((width - gap) * toWorking), ext[8]);
    Layout indented(width, true, false, gap);
    EXPECT_EQ(indented.lay({text, text}), (Lines{"aaa bbb", "ccc", "aaa bbb", "ccc"}));
}

TEST(TextLayout, WithoutWordWrapEverySourceLineIsOneLine) {
    Layout layout(5, false);
    EXPECT_EQ(layout.lay({"a long line that would wrap", "b"}),
              (Lines{"a long line that would wrap", "b"}));
}

TEST(TextLayout, LinesFarLongerThanFourThousandCharactersWrapAndMeasure) {
    std::string text;
    while (text.size() < 12000)
        text += "abc ";
    text += "end";
    Layout layout(300);
    const Lines lines = layout.lay({text});
    ASSERT_GT(lines.size(), 100u);
    const std::string joined =
        std::accumulate(lines.begin() + 1, lines.end(), lines.front(),
                        [](const std::string& a, const std::string& b) { return a + " " + b; });
    EXPECT_EQ(joined, text);

    Layout unwrapped(300, false);
    unwrapped.lay({text});
    ASSERT_EQ(unwrapped.drawText.LineCount(), 1);
    EXPECT_DOUBLE_EQ(unwrapped.drawText.CalcWidth(), extents600(text).back() / toWorking);
}

TEST(TextLayout, WidthsFollowTheMarkupStylesSizesAndSpacing) {
    Layout layout(5000, true, true);
    layout.lay({"aaa", "<b>wwww</b>"});
    const int bold = extents600("wwww", platform::fontBold).back();
    ASSERT_GT(bold, extents600("wwww").back());
    EXPECT_DOUBLE_EQ(layout.drawText.CalcWidth(), bold / toWorking);
    EXPECT_EQ(layout.drawText.Tag(1, 0).Style, platform::fontBold);

    // A subscript character is measured at the full size and narrowed by 1.5.
    layout.lay({"x<sub>x</sub>"});
    const std::vector<int> ext = extents600("xx");
    EXPECT_DOUBLE_EQ(layout.drawText.CalcWidth(),
                     (ext[0] + rpRound((ext[1] - ext[0]) / 1.5)) / toWorking);

    // Character spacing counts once per character, the paragraph gap on first lines only.
    Layout spaced(5000, true, false, 3, 0.5);
    spaced.lay({"abcd"});
    EXPECT_DOUBLE_EQ(
        spaced.drawText.CalcWidth(),
        (extents600("abcd").back() + rpRound(4 * 0.5 * toWorking) + rpRound(3 * toWorking)) /
            toWorking);
}
