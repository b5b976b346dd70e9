// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EmboldenedFont.h"
#include "platform/Cp1250.h"
#include "platform/FontCache.h"
#include "platform/PainterCanvas.h"

#include <QBuffer>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRawFont>
#include <gtest/gtest.h>

using namespace platform;

namespace {

const CanvasFont kThinBold{"Tahoma", 200, fontBold, 1, clBlack, 0};

// Every character code page 1250 holds, as the text model stores text.
std::string everyCp1250Character() {
    std::string text;
    for (int c = 0x21; c < 0x100; ++c)
        text += static_cast<char>(c);
    return text;
}

} // namespace

// Widened, the face must still lay text out exactly as before: the same glyphs for the same
// characters, the same advances and the same character cell; only the ink grows.
TEST(EmboldenedFont, KeepsGlyphsAdvancesAndMetricsAndGrowsEveryOutlineEvenly) {
    if (!hasThinBoldStems(kThinBold))
        GTEST_SKIP() << "no bold face with thin stems (Wine's Tahoma) is installed";
    const QRawFont& face = rawFontFor(kThinBold);
    const QRawFont& ink = inkFontFor(kThinBold);
    ASSERT_TRUE(ink.isValid());
    EXPECT_EQ(ink.pixelSize(), face.pixelSize());
    EXPECT_EQ(ink.unitsPerEm(), face.unitsPerEm());
    EXPECT_EQ(ink.fontTable("OS/2"), face.fontTable("OS/2"));

    const QString text = toUnicode(everyCp1250Character());
    const QList<quint32> glyphs = face.glyphIndexesForString(text);
    EXPECT_EQ(ink.glyphIndexesForString(text), glyphs);
    EXPECT_EQ(ink.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics),
              face.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics));

    // Round and straight glyphs grow by the strength across, half of it on each side; pointed
    // corners reach further out, and every glyph stays about where it was.
    const double strength = 0.075 * face.pixelSize(), em = face.pixelSize();
    const QString plain = QStringLiteral("lIHoO");
    int grown = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const QRectF before = face.pathForGlyph(glyphs[i]).boundingRect();
        const QRectF after = ink.pathForGlyph(glyphs[i]).boundingRect();
        if (before.isEmpty())
            continue;
        SCOPED_TRACE(QString(text[i]).toStdString());
        if (plain.contains(text[i])) {
            EXPECT_NEAR(after.width(), before.width() + strength, 1.0);
            EXPECT_NEAR(after.left(), before.left() - strength / 2, 0.5);
        }
        EXPECT_GT(after.width(), before.width() + strength / 2);
        EXPECT_GT(after.height(), before.height() + strength / 2);
        EXPECT_NEAR(after.center().x(), before.center().x(), 0.03 * em);
        EXPECT_NEAR(after.center().y(), before.center().y(), 0.03 * em);
        ++grown;
    }
    EXPECT_GT(grown, 200);
}

// Without a face there is nothing to widen, and the text is drawn in the face as it is.
TEST(EmboldenedFont, GivesNothingForAnInvalidFace) {
    EXPECT_TRUE(emboldenedTrueType(QRawFont(), 0.075, QStringLiteral("Widened"), {0}).isEmpty());
}

// Widened bold is stored once in a PDF's embedded font: a page of it costs about what a page of
// regular text does, not a path for every glyph (which made a bold page several times larger).
TEST(EmboldenedFont, BoldTextInAPdfCostsNoMoreThanRegularText) {
    if (!hasThinBoldStems(kThinBold))
        GTEST_SKIP() << "no bold face with thin stems (Wine's Tahoma) is installed";
    const auto pdfSize = [](int style) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(600);
            PainterCanvas canvas(writer, {true, 0, 0});
            canvas.setFont({"Tahoma", 92, style, 1, clBlack, 0});
            canvas.setBackgroundMode(BackgroundMode::Transparent);
            const std::string line = "MUNK\xC1LTAT\xD3I IGAZOL\xC1S \xE1rv\xEDzt\xFBr\xF5";
            for (int page = 0; page < 5; ++page) {
                if (page)
                    writer.newPage();
                for (int y = 0; y < 60; ++y)
                    canvas.textOut(300, 200 + 100 * y, line, {}, {0, 0, 5000, 7000}, 0);
            }
        }
        return buffer.data().size();
    };
    const qsizetype regular = pdfSize(0), bold = pdfSize(fontBold);
    EXPECT_LT(bold, regular * 3 / 2) << bold << " bytes against " << regular;
}
