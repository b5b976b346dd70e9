// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PainterCanvas.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

// Text drawn as glyph runs must stay text in vector output, accented letters included, so that
// printed and exported pages keep it.
TEST(PainterCanvas, TextOnAPdfWriterStaysSearchableText) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath("canvas.pdf");
    {
        QPdfWriter writer(file);
        writer.setResolution(600);
        PainterCanvas canvas(writer, {true, 0, 0});
        EXPECT_EQ(canvas.dpiX(), 600);
        EXPECT_TRUE(canvas.isPrinter());
        canvas.setFont({"Tahoma", 92, fontBold, 1, clBlack, 0});
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        const std::string text = "MUNK\xC1LTAT\xD3I IGAZOL\xC1S \xF5\xFB";
        canvas.textOut(600, 600, text, {}, {0, 0, 4000, 4000}, textClipped);
        canvas.setPen({clBlack, 6, PenStyle::Solid, PenMode::Copy});
        canvas.line({600, 800}, {3000, 800});
    }
    QProcess process;
    process.start(pdftotext, {"-enc", "UTF-8", file, "-"});
    ASSERT_TRUE(process.waitForFinished(10000));
    const QString extracted = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(extracted.contains(QString::fromUtf8("MUNKÁLTATÓI IGAZOLÁS őű")))
        << extracted.toStdString();
}

// A document of many pages gets the same logo on every page as a new image with the same pixels:
// it must be stored once, not once per page.
TEST(PainterCanvas, EqualPicturesOnManyPagesAreStoredInThePdfOnce) {
    const auto imagesIn = [](bool shared) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        {
            PainterCanvasOptions options{true, 0, 0};
            options.shareEqualPictures = shared;
            QPainter painter(&writer);
            PainterCanvas canvas(painter, options);
            for (int page = 0; page < 3; ++page) {
                if (page > 0)
                    writer.newPage();
                for (QRgb colour : {qRgb(200, 0, 0), qRgb(0, 0, 200)}) {
                    QImage logo(40, 30, QImage::Format_RGB32); // a new image each time
                    logo.fill(colour);
                    canvas.stretchDraw({100, 100, 500, 400}, logo);
                }
            }
        }
        return bytes.count("/Subtype /Image");
    };
    EXPECT_EQ(imagesIn(false), 6);
    EXPECT_EQ(imagesIn(true), 2);
}

// A dotted rule on a PDF is one stroke with the pen's dash pattern, which any viewer or printer
// draws at its own resolution, not a rectangle per dot.
TEST(PainterCanvas, DottedLineOnAPdfWriterIsOneDashedStroke) {
    const QString qpdf = QStandardPaths::findExecutable("qpdf");
    if (qpdf.isEmpty())
        GTEST_SKIP() << "qpdf is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath("dots.pdf");
    {
        QPdfWriter writer(file);
        writer.setResolution(600);
        PainterCanvas canvas(writer, {true, 0, 0});
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        canvas.setPen({clBlack, 1, PenStyle::Dot, PenMode::Copy});
        canvas.parallelLines({600, 800}, {3000, 800}, 6); // a frame 6 pixels wide
    }
    QProcess process; // the content stream uncompressed
    process.start(qpdf, {"--qdf", "--object-streams=disable", file, "-"});
    ASSERT_TRUE(process.waitForFinished(10000));
    const QString content = QString::fromLatin1(process.readAllStandardOutput());
    EXPECT_EQ(content.count(QRegularExpression(R"(\[3 3 ?\] ?0 +d)")), 1) << content.toStdString();
    EXPECT_EQ(content.count(QRegularExpression(R"(\bre\b)")), 0);
    EXPECT_EQ(content.count(QRegularExpression(R"(\bS\b)")), 1);
}
