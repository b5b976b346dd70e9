// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RichEdit.h"
#include "platform/Error.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using controls::TRichEdit;

TEST(RichEditLineBuffer, AddedTextIsSplitAtEveryKindOfLineBreak) {
    TRichEdit buffer;
    buffer.Add("a\r\nb\nc\rd");
    buffer.Add("");
    buffer.Add("e\r\n"); // a final break opens no further line
    ASSERT_EQ(buffer.Count(), 6);
    EXPECT_EQ(buffer.Line(0), "a");
    EXPECT_EQ(buffer.Line(3), "d");
    EXPECT_EQ(buffer.Line(4), "");
    EXPECT_EQ(buffer.Line(5), "e");
    EXPECT_EQ(buffer.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

TEST(RichEditLineBuffer, SetTextAndAppend) {
    TRichEdit buffer;
    buffer.SetText("x\r\ny\r\n");
    EXPECT_EQ(buffer.Count(), 2);
    buffer.SetText("x\r\ny"); // a missing final break makes no difference
    EXPECT_EQ(buffer.Text(), "x\r\ny\r\n");
    buffer.AppendToText("z");
    EXPECT_EQ(buffer.Text(), "x\r\nyz\r\n");
    buffer.SetText("");
    EXPECT_EQ(buffer.Count(), 0);
    buffer.AppendToText("w");
    EXPECT_EQ(buffer.Text(), "w\r\n");
    const std::string longLine(100000, 'q'); // never split by width
    buffer.SetText(longLine);
    EXPECT_EQ(buffer.Count(), 1);
}

TEST(RichEditLineBuffer, FilesHoldTheBytesUnchanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath("buffer.txt");
    TRichEdit buffer;
    buffer.Add("hegym\xE1sz\xF3");
    buffer.Add("\x80\x81\xFF");
    buffer.SaveToFile(path);
    TRichEdit loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Text(), buffer.Text());
    EXPECT_THROW(loaded.LoadFromFile(dir.filePath("missing.txt")), platform::Error);
    EXPECT_EQ(loaded.Count(), 2); // a failed load leaves the text as it was
}
