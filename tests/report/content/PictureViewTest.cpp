// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/common/RpProperties.h"
#include "report/content/RpJpegImage.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpPictureView.h"
#include "report/xml/RpXmlSerializer.h"

#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"

#include <QBuffer>
#include <QImage>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

extern "C" {
#include <jpeglib.h> // before jerror.h, which then lists the message numbers

#include <jerror.h>
}

using namespace report;
using platform::CanvasRecord;
using platform::RecordingCanvas;
using platform::Rect;

namespace {

std::string readFile(const std::string& name) {
    std::ifstream in(std::string(KF_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string le32(size_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

// The stored form of a picture as definitions hold it.
std::string storedJpeg(const std::string& jpeg) {
    return std::string(1, '\x0A') + "TJPEGImage" + le32(jpeg.size()) + jpeg;
}

const std::string coatOfArms = readFile("coat_of_arms.jpg"); // 60 x 62
const std::string iso9001 = readFile("iso9001.jpg");         // 90 x 62

std::vector<CanvasRecord> stretches(const RecordingCanvas& canvas) {
    std::vector<CanvasRecord> found;
    for (const CanvasRecord& r : canvas.records())
        if (r.kind == CanvasRecord::Kind::StretchDraw)
            found.push_back(r);
    return found;
}

// The rectangle the image lands in when the view is drawn at the given scale without offset.
Rect drawnRect(TrpPictureView& view, double scale = 1) {
    RecordingCanvas canvas;
    view.Draw(canvas, scale, scale, 0, 0);
    const auto drawn = stretches(canvas);
    EXPECT_EQ(drawn.size(), 1u);
    return drawn.empty() ? Rect{} : drawn.front().rect;
}

struct PictureOnPage {
    TrpReport report;
    TrpReportPage* page = rpCreate<TrpReportPage>(&report);
    TrpPictureView* view = rpCreate<TrpPictureView>(page);

    explicit PictureOnPage(const std::string& jpeg) {
        view->Picture().LoadFromStoredData(storedJpeg(jpeg));
    }
};

} // namespace

TEST(Picture, StoredFormRoundTripsThroughTheSerializer) {
    ASSERT_EQ(coatOfArms.size(), 2063u);
    TrpPictureView view;
    view.SetBounds(0, 0, 100, 20); // sizes stored before the picture data do not count
    TrpXMLSerializer::SetProperty(view, "AutoSize", "True");
    TrpXMLSerializer::SetProperty(view, "Picture.Data", hexText(storedJpeg(coatOfArms)));
    EXPECT_EQ(view.Width, 60);
    EXPECT_EQ(view.Height, 62);
    EXPECT_EQ(view.Picture().StoredData().size(), 1 + 10 + 4 + coatOfArms.size());
    EXPECT_EQ(view.Picture().StoredData(), storedJpeg(coatOfArms));

    // Written out and read into a fresh object, whose stored size says otherwise at first.
    const std::string text = TrpXMLSerializer::WriteProperties(view);
    EXPECT_NE(text.find("Picture.Data=\"0A544A504547496D616765"), std::string::npos) << text;
    EXPECT_EQ(text.find("Color="), std::string::npos); // the white background goes unwritten
    TrpPictureView copy;
    std::vector<std::string> errors;
    TrpXMLSerializer::ReadProperties(copy, "Width=\"7\" Height=\"9\" " + text, errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(copy.AutoSize());
    EXPECT_EQ(copy.Width, 60);
    EXPECT_EQ(copy.Height, 62);
    EXPECT_EQ(copy.Picture().StoredData(), storedJpeg(coatOfArms));
}

TEST(Picture, AutoSizeFollowsThePictureInAnyOrder) {
    TrpPictureView view;
    view.SetBounds(0, 0, 10, 10);
    view.Picture().LoadFromStoredData(storedJpeg(iso9001));
    EXPECT_EQ(view.Width, 10); // AutoSize is off by default
    view.SetAutoSize(true);    // switching it on applies at once
    EXPECT_EQ(view.Width, 90);
    EXPECT_EQ(view.Height, 62);
    view.Picture().LoadFromStoredData(storedJpeg(coatOfArms));
    EXPECT_EQ(view.Width, 60);

    TrpPictureView other;
    other.SetPicture(view.Picture()); // assigning copies, sharing the bytes
    EXPECT_EQ(other.Picture().StoredData(), view.Picture().StoredData());
    EXPECT_TRUE(other.PictureChanged);
    view.Picture().Clear();
    EXPECT_EQ(other.Picture().Width(), 60);
}

TEST(Picture, ADefinitionGivesPicture1ItsImageSize) {
    TrpReport report;
    report.LoadDefinition(R"(<TrpReport><TrpReportPage Name="Page1">)"
                          R"(<TrpPictureView Name="Picture1" Left="0" Top="0" Width="100")"
                          R"( Height="50" AutoSize="True" Picture.Data=")" +
                          hexText(storedJpeg(coatOfArms)) + R"("/></TrpReportPage></TrpReport>)");
    ASSERT_TRUE(report.ErrorList.empty()) << report.ErrorList.front();
    auto* picture = dynamic_cast<TrpPictureView*>(report.FindByName("Picture1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width, 60);
    EXPECT_EQ(picture->Height, 62);
    EXPECT_EQ(picture->NameStem(), "Picture");
}

TEST(Picture, DamagedStoredFormsAreRefusedAndLeaveThePicture) {
    TrpPicture picture;
    picture.LoadFromStoredData(storedJpeg(coatOfArms));
    const std::string good = storedJpeg(iso9001);
    const std::string damaged[] = {
        good.substr(0, good.size() - 1),                         // shorter than its length says
        good + "x",                                              // longer
        std::string(1, '\x08') + "TMyImage" + le32(3) + "abc",   // a class nobody registered
        std::string(1, '\x40') + std::string(64, 'T') + le32(0), // name longer than 63
        std::string(1, '\x0A') + "TJPEGImage" + le32(3) + "abc", // not a JPEG
    };
    for (const std::string& data : damaged) {
        EXPECT_THROW(picture.LoadFromStoredData(data), platform::Error);
        EXPECT_EQ(picture.Width(), 60);
    }
    picture.LoadFromStoredData({});
    EXPECT_TRUE(picture.Empty());
}

TEST(Picture, DrawsWhiteThenTheImageAtItsSizeAndScale) {
    PictureOnPage p(coatOfArms);
    p.view->SetAutoSize(true);
    RecordingCanvas canvas;
    p.view->Draw(canvas, 1, 1, 0, 0);
    ASSERT_GE(canvas.records().size(), 2u);
    EXPECT_EQ(canvas.records()[0].kind, CanvasRecord::Kind::FillRect);
    EXPECT_EQ(canvas.records()[0].brush.color, platform::clWhite);
    EXPECT_EQ(canvas.records()[0].rect, (Rect{0, 0, 60, 62}));
    const auto drawn = stretches(canvas);
    ASSERT_EQ(drawn.size(), 1u);
    const CanvasRecord& image = drawn.front();
    EXPECT_EQ(image.rect, (Rect{0, 0, 60, 62}));
    EXPECT_EQ(image.image.size(), QSize(60, 62));
    EXPECT_EQ(image.image.format(), QImage::Format_RGB32);

    // A 600-dpi printer: 62 x 6.25 = 387.5 rounds to 388, and the height is fitted from the
    // width's scale.
    EXPECT_EQ(drawnRect(*p.view, 6.25), (Rect{0, 0, 375, 388}));
}

TEST(Picture, KeepsTheAspectRatioAndCentres) {
    PictureOnPage p(iso9001);
    p.view->SetBounds(0, 0, 120, 62);
    EXPECT_EQ(drawnRect(*p.view), (Rect{0, 0, 90, 62}));
    p.view->Center = true;
    EXPECT_EQ(drawnRect(*p.view), (Rect{15, 0, 105, 62})); // 15 blank on each side

    p.view->SetBounds(0, 0, 90, 100); // taller than the image: fitted by width, centred down
    EXPECT_EQ(drawnRect(*p.view), (Rect{0, 19, 90, 81}));

    p.view->KeepAspectRatio = false;
    EXPECT_EQ(drawnRect(*p.view), (Rect{0, 0, 90, 100}));
}

TEST(Picture, UnstretchedKeepsNaturalSizeAndOverflowsEvenlyWhenCentred) {
    PictureOnPage p(iso9001);
    p.view->SetBounds(10, 20, 50, 30);
    p.view->Stretched = false;
    EXPECT_EQ(drawnRect(*p.view), (Rect{10, 20, 100, 82}));
    p.view->Center = true;
    EXPECT_EQ(drawnRect(*p.view), (Rect{-10, 4, 80, 66})); // 20 and 16 past each edge
    EXPECT_EQ(drawnRect(*p.view, 2), (Rect{-20, 8, 160, 132}));
}

TEST(Picture, AnEmptyPictureDrawsOnlyBackgroundAndFrame) {
    TrpReport report;
    auto* page = rpCreate<TrpReportPage>(&report);
    auto* view = rpCreate<TrpPictureView>(page);
    view->SetBounds(0, 0, 30, 30);
    view->Frame.Typ = bitOf(ftLeft);
    RecordingCanvas canvas;
    view->Draw(canvas, 1, 1, 0, 0);
    EXPECT_TRUE(stretches(canvas).empty());
    ASSERT_EQ(canvas.records().size(), 2u);
    EXPECT_EQ(canvas.records()[1].kind, CanvasRecord::Kind::Line);
}

TEST(Picture, DifferenceTextCarriesThePictureOnlyWhenItChanged) {
    PictureOnPage p(coatOfArms);
    TrpPictureView source;
    source.Assign(*p.view);

    p.view->PictureChanged = false; // as a preparation starts
    p.view->Left = 5;
    EXPECT_EQ(p.view->DiffText(source), " l=\"5\"");
    p.view->Left = 0;
    EXPECT_EQ(p.view->DiffText(source), " ");

    p.view->Picture().LoadFromStoredData(storedJpeg(iso9001));
    p.view->Top = 7;
    const std::string diff = p.view->DiffText(source);
    const std::string start = "Picture.PropData=\"";
    const std::string header = start + "0444617461" + "0A" + hexText(le32(15 + iso9001.size())) +
                               "0A544A504547496D616765"; // 4 "Data" 10 count 10 "TJPEGImage"
    EXPECT_EQ(diff.substr(0, header.size()), header);
    const size_t close = diff.find('"', start.size());
    EXPECT_EQ(close - start.size(), 2 * (10 + 15 + iso9001.size()));
    EXPECT_EQ(diff.substr(close), "\" t=\"7\"");

    // A page rebuilt from the source copy's text and the difference gets the new image.
    TrpPictureView rebuilt;
    std::vector<std::string> errors;
    TrpXMLSerializer::ReadProperties(rebuilt, TrpXMLSerializer::WriteProperties(source) + diff,
                                     errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(rebuilt.Picture().StoredData(), storedJpeg(iso9001));
}

TEST(Jpeg, DecodesOnceToThePixelsOfAReferenceDecoder) {
    TrpJpegImage jpeg;
    jpeg.LoadFromBytes(iso9001);
    EXPECT_EQ(jpeg.Width(), 90);
    EXPECT_EQ(jpeg.Height(), 62);
    EXPECT_FALSE(jpeg.Decoded()); // loading reads the header only
    const QImage first = jpeg.Image();
    EXPECT_EQ(jpeg.Image().cacheKey(), first.cacheKey());
    EXPECT_EQ(jpeg.Clone()->Image().cacheKey(), first.cacheKey());

    // Qt's own JPEG reader, where it is installed, is an independent decoder of the same files.
    QImage reference;
    if (!reference.loadFromData(reinterpret_cast<const uchar*>(iso9001.data()),
                                static_cast<int>(iso9001.size()), "JPEG"))
        GTEST_SKIP() << "no reference JPEG reader";
    EXPECT_EQ(first, reference.convertToFormat(QImage::Format_RGB32));
}

TEST(Jpeg, CorruptFilesRaiseTheErrorAndTheProgramGoesOn) {
    PictureOnPage p(coatOfArms);
    p.view->SetBounds(0, 0, 60, 62);

    // Truncated inside the image data: the header loads, the first drawing fails on the
    // library's end-of-file warning.
    p.view->Picture().LoadFromStoredData(storedJpeg(coatOfArms.substr(0, 1200)));
    RecordingCanvas canvas;
    try {
        p.view->Draw(canvas, 1, 1, 0, 0);
        ADD_FAILURE() << "a truncated JPEG was drawn";
    } catch (const JpegError& e) {
        EXPECT_EQ(e.code(), JWRN_JPEG_EOF);
        EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(JWRN_JPEG_EOF));
    }
    EXPECT_THROW(p.view->Draw(canvas, 1, 1, 0, 0), JpegError); // and again, not half drawn

    // One flipped bit in the entropy-coded data: a bad Huffman code.
    std::string flipped = coatOfArms;
    flipped[1913] ^= 0x10;
    p.view->Picture().LoadFromStoredData(storedJpeg(flipped));
    EXPECT_THROW(p.view->Draw(canvas, 1, 1, 0, 0), JpegError);

    // Damage in the header already fails when the picture is loaded.
    std::string badHeader = coatOfArms;
    badHeader[0xA2] ^= 0x40; // the frame's sample precision
    EXPECT_THROW(p.view->Picture().LoadFromStoredData(storedJpeg(badHeader)), JpegError);
    EXPECT_THROW(p.view->Picture().LoadFromStoredData(storedJpeg(coatOfArms.substr(0, 100))),
                 JpegError);

    p.view->Picture().LoadFromStoredData(storedJpeg(coatOfArms));
    canvas.clear();
    EXPECT_EQ(drawnRect(*p.view), (Rect{0, 0, 60, 62}));
}

TEST(Picture, BlobsAreRecognisedByTheirFirstBytes) {
    TrpPicture picture;
    picture.LoadFromBlob(iso9001);
    EXPECT_STREQ(picture.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(picture.Width(), 90);

    // The 8-byte header some databases put in front: words 1 and 256, then the size of the rest.
    picture.LoadFromBlob(std::string("\x01\x00\x00\x01", 4) + le32(coatOfArms.size()) + coatOfArms);
    EXPECT_EQ(picture.Width(), 60);

    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "BMP"));
    picture.LoadFromBlob(bmp.toStdString());
    EXPECT_STREQ(picture.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(picture.Graphic()->Image().pixel(3, 2), qRgb(255, 0, 0));
    // Stored and read back in the same form as a JPEG.
    TrpPicture copy;
    copy.LoadFromStoredData(picture.StoredData());
    EXPECT_EQ(copy.Width(), 7);

    EXPECT_THROW(picture.LoadFromBlob(std::string("\xD7\xCD\xC6\x9A", 4) + std::string(40, '\0')),
                 platform::Error); // a metafile, which cannot be shown here
    picture.LoadFromBlob("plain text, no picture");
    EXPECT_TRUE(picture.Empty());
}

TEST(Picture, ScreenAndPrinterCanvasesGetTheDecodedPixelsUnsmoothed) {
    PictureOnPage p(coatOfArms);
    p.view->SetBounds(3, 4, 60, 62);
    const QImage decoded = p.view->Picture().Graphic()->Image();
    for (const bool printer : {false, true}) {
        QImage device(200, 200, QImage::Format_RGB32);
        device.fill(Qt::black);
        {
            platform::PainterCanvas canvas(device, {printer, 192, 192});
            p.view->Draw(canvas, 2, 2, 0, 0);
        }
        // Every image pixel becomes a 2 x 2 block of exactly its colour.
        for (const auto& [x, y] : {std::pair{0, 0}, {17, 40}, {59, 61}, {31, 5}})
            for (const auto& [dx, dy] : {std::pair{0, 0}, {1, 1}})
                EXPECT_EQ(device.pixel(6 + 2 * x + dx, 8 + 2 * y + dy), decoded.pixel(x, y))
                    << printer << " " << x << "," << y;
        EXPECT_EQ(device.pixel(5, 8), qRgb(0, 0, 0)); // nothing left of the object
    }
}
