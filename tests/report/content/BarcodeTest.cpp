// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/objects/RpBarCodeView.h"
#include "report/objects/RpClassRegistry.h"
#include "report/objects/RpPage.h"
#include "report/xml/RpXmlSerializer.h"

#include "platform/Error.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace report;
using platform::CanvasRecord;
using platform::RecordingCanvas;
using platform::Rect;

namespace {

struct BarcodeOnPage {
    TrpReport report;
    TrpReportPage* page = rpCreate<TrpReportPage>(&report);
    TrpBarCodeView* view = rpCreate<TrpBarCodeView>(page);

    BarcodeOnPage() { view->SetBounds(10, 20, 200, 34.01577); }

    std::vector<CanvasRecord> draw(double scale = 1) {
        RecordingCanvas canvas;
        view->Draw(canvas, scale, scale, 0, 0);
        return canvas.records();
    }
};

std::string code39(const std::string& text, bool checksum = false, TrpBarcodeType type = bcCode39) {
    TrpBarcode barcode;
    barcode.Typ = type;
    barcode.Text = text;
    barcode.Checksum = checksum;
    return barcode.MakePattern();
}

int code39Width(const std::string& text, bool checksum = false) {
    TrpBarcode barcode;
    barcode.Typ = bcCode39;
    barcode.Text = text;
    barcode.Checksum = checksum;
    return barcode.Width();
}

std::string errorOf(TrpBarcodeType type, const std::string& text) {
    TrpBarcode barcode;
    barcode.Typ = type;
    barcode.Text = text;
    try {
        barcode.MakePattern();
    } catch (const platform::Error& e) {
        return e.what();
    }
    return "no error";
}

std::vector<Rect> filled(const std::vector<CanvasRecord>& records, platform::TColor color) {
    std::vector<Rect> rects;
    for (const CanvasRecord& r : records)
        if (r.kind == CanvasRecord::Kind::FillRect && r.brush.color == color)
            rects.push_back(r.rect);
    return rects;
}

} // namespace

TEST(Code39, EveryCharacterIsNineElementsWithThreeWideAndAGap) {
    const std::string characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
    const std::string empty = code39("");
    EXPECT_EQ(empty, "5150606050"
                     "515060605"); // start "*", a narrow gap, stop "*"
    for (const char c : characters) {
        const std::string pattern = code39(std::string(1, c));
        ASSERT_EQ(pattern.size(), empty.size() + 10) << c;
        const std::string element = pattern.substr(10, 10);
        EXPECT_EQ(element.back(), '0') << c;
        const auto wide = std::count_if(element.begin(), element.end() - 1,
                                        [](char e) { return e == '6' || e == '1'; });
        EXPECT_EQ(wide, 3) << c;
        for (size_t i = 0; i < 9; ++i) // bars and spaces alternate, bar first
            EXPECT_EQ(element[i] >= '5', i % 2 == 0) << c;
        EXPECT_EQ(code39Width(std::string(1, c)), 37) << c;
        // No two characters share a pattern.
        for (const char d : characters) {
            if (d != c) {
                EXPECT_NE(code39(std::string(1, d)), pattern) << c << d;
            }
        }
    }
}

TEST(Code39, WidthsCheckCharactersAndSkippedCharacters) {
    EXPECT_EQ(code39Width("12345678"), 128); // 13 n + 24
    // 10 + 11 + 12 = 33 is "X"
    EXPECT_EQ(code39("ABC", true), code39("ABCX"));
    EXPECT_EQ(code39Width("ABC", true), 76);
    // 42 + 42 = 84, mod 43 = 41: "+"; a sum of 0 gives "0"
    EXPECT_EQ(code39("%%", true), code39("%%+"));
    EXPECT_EQ(code39("0", true), code39("00"));
    // Characters outside the table add nothing, to the bars or to the sum.
    EXPECT_EQ(code39("abc"), code39(""));
    EXPECT_EQ(code39Width("abc"), 24);
    EXPECT_EQ(code39("A\xE1"
                     "b.C",
                     true),
              code39("A.C", true));
}

TEST(Code39, ExtendedSpellsFullAscii) {
    const auto extended = [](const std::string& text) {
        return code39(text, false, bcCode39Extended);
    };
    EXPECT_EQ(extended("a"), code39("+A"));
    EXPECT_EQ(extended("Az-9"), code39("A+Z-9"));
    EXPECT_EQ(extended(std::string("\0\x1B", 2)), code39("%U%A"));
    EXPECT_EQ(extended("!/:@[`{\x7F"), code39("/A/O/Z%V%K%W%P%T"));
    EXPECT_EQ(extended("x\xE9y"), code39("+X+Y")); // above 127 dropped
}

TEST(Barcode, RatioIsClampedAndOtherSymbologiesFailClearly) {
    TrpBarcode barcode;
    barcode.Typ = bcCode39;
    barcode.Text = "1";
    barcode.Ratio = 5;
    EXPECT_EQ(barcode.Width(), 37 + 3 * 3); // ratio 3: nine wide elements one unit wider
    EXPECT_EQ(barcode.Ratio, 3.0);
    barcode.Ratio = 1;
    barcode.Modul = 2;
    EXPECT_EQ(barcode.Width(), 2 * 38 - 1);

    EXPECT_EQ(errorOf(bcCodeEAN13, "12a4"), "Barcode must be numeric");
    EXPECT_EQ(errorOf(bcCodeEAN13, " 1234\t"), "TrpBarcode: bcCodeEAN13 is not supported");
    EXPECT_EQ(errorOf(bcCode128B, "abc"), "TrpBarcode: bcCode128B is not supported");
    EXPECT_EQ(errorOf(static_cast<TrpBarcodeType>(23), "1"), "TrpBarcode: wrong BarcodeType");
}

TEST(BarCodeView, DrawingResizesTheViewWithZoomAndAlignment) {
    BarcodeOnPage b;
    b.view->Text = "12345678";
    b.draw();
    EXPECT_EQ(b.view->Width, 128);
    EXPECT_EQ(b.view->Left, 10);
    b.view->Zoom = 2;
    b.draw();
    EXPECT_EQ(b.view->Width, 256);
    b.view->Zoom = 0;
    b.draw();
    EXPECT_EQ(b.view->Zoom, 1);
    EXPECT_EQ(b.view->Width, 128);

    b.view->Width = 200;
    b.view->HAlign = haCenter;
    b.draw();
    EXPECT_EQ(b.view->Left, 46);
    b.view->Width = 200;
    b.view->HAlign = haRight;
    b.draw();
    EXPECT_EQ(b.view->Left, 46 + 72);

    b.view->Rotation = 90;
    b.view->Width = 40;
    b.draw();
    EXPECT_EQ(b.view->Height, 128);
    EXPECT_EQ(b.view->Width, 40);
    EXPECT_EQ(b.view->Left, 46 + 72); // a vertical code moves nothing
}

TEST(BarCodeView, PaintsEachElementInItsColourAndTheTextBelow) {
    BarcodeOnPage b;
    b.view->Text = "1";
    b.view->SetBounds(10, 20, 37, 34);
    const std::vector<CanvasRecord> canvas = b.draw();
    // The bar length is the picture's height less the 16-unit text strip; the 1-pixel pen covers
    // the end row too.
    EXPECT_EQ(b.view->Barcode().Height, 18);
    const std::vector<Rect> bars = filled(canvas, platform::clBlack);
    ASSERT_EQ(bars.size(), 15u);                // three characters of five bars
    EXPECT_EQ(bars[0], (Rect{10, 20, 11, 39})); // "*" starts narrow bar,
    EXPECT_EQ(bars[1], (Rect{13, 20, 14, 39})); // wide space, narrow bar,
    EXPECT_EQ(bars[2], (Rect{15, 20, 17, 39})); // narrow space, wide bar
    // The pattern's width is its element sum less one, so the stop's last bar lies on the right
    // edge.
    EXPECT_EQ(bars[14], (Rect{47, 20, 48, 39}));
    const std::vector<Rect> white = filled(canvas, platform::clWhite);
    ASSERT_EQ(white.size(), 14u + 1u); // the spaces and the strip
    EXPECT_EQ(white.back(), (Rect{10, 38, 48, 54}));
    const CanvasRecord& text = canvas.back();
    ASSERT_EQ(text.kind, CanvasRecord::Kind::TextOut);
    EXPECT_EQ(text.text, "1");
    EXPECT_EQ(text.font.name, "Arial");
    EXPECT_EQ(text.font.pixelHeight, 12);
    EXPECT_EQ(text.points[0], (platform::Point{10 + (37 - 7) / 2, 54 - 14}));

    // Too short for the strip: the bars shrink to the pen's row, not out of the rectangle.
    b.view->Height = 10;
    for (const Rect& r : filled(b.draw(), platform::clBlack))
        EXPECT_EQ(std::pair(r.top, r.bottom), std::pair(20, 21));
    EXPECT_EQ(b.view->Barcode().Height, 0);
    b.view->Height = 34;

    // At twice the scale every edge doubles.
    const std::vector<CanvasRecord> twice = b.draw(2);
    EXPECT_EQ(filled(twice, platform::clBlack)[2], (Rect{30, 40, 34, 78}));
}

TEST(BarCodeView, UpsideDownAndTurnedCodesKeepTheirStripOnTheFarSide) {
    BarcodeOnPage b;
    b.view->Text = "1";
    b.view->SetBounds(0, 0, 37, 34);
    b.view->Rotation = 180;
    std::vector<CanvasRecord> canvas = b.draw();
    EXPECT_EQ(b.view->Barcode().TopOffset(), 16);
    std::vector<Rect> bars = filled(canvas, platform::clBlack);
    EXPECT_EQ(bars[0], (Rect{37, 16, 38, 35})); // the start now at the right edge
    EXPECT_EQ(filled(canvas, platform::clWhite).back(), (Rect{0, 0, 38, 16}));

    b.view->Rotation = 270;
    b.view->SetBounds(0, 0, 34, 37);
    canvas = b.draw();
    EXPECT_EQ(b.view->Height, 37);
    EXPECT_EQ(b.view->Barcode().LeftOffset(), 16);
    bars = filled(canvas, platform::clBlack);
    EXPECT_EQ(bars[0], (Rect{16, 0, 35, 1}));
    EXPECT_EQ(filled(canvas, platform::clWhite).back(), (Rect{0, 0, 16, 38}));
}

TEST(BarCodeView, TextComesFromTheExpressionAndDefinitionsKeepTheChoices) {
    BarcodeOnPage b;
    b.report.OnGetValue = [](const std::string& name, TrpVariant& value) {
        if (name == "Ident")
            value = std::string("AB-12");
    };
    b.view->Expression = "Ident";
    b.view->FillValue();
    EXPECT_EQ(b.view->Text, "AB-12");

    EXPECT_TRUE(TrpClassRegistry::IsRegistered("TrpBarCodeView"));
    EXPECT_TRUE(TrpClassRegistry::IsRegistered("TrpPictureView"));
    EXPECT_EQ(b.view->Name(), "BarCode1");
    TrpBarCodeView fresh;
    const std::string text = TrpXMLSerializer::WriteProperties(fresh);
    EXPECT_EQ(text, "BarType=\"bcCode39\" Rotation=\"0\" Zoom=\"1\""); // always written

    b.view->BarType = bcCode39Extended;
    b.view->Rotation = 90;
    b.view->ShowText = false;
    TrpBarCodeView copy;
    copy.Assign(*b.view);
    EXPECT_EQ(copy.BarType, bcCode39Extended);
    EXPECT_EQ(copy.Rotation, 90);
    EXPECT_FALSE(copy.ShowText);
    EXPECT_EQ(copy.Text, "AB-12");

    // Prepared pages keep the whole property text, then the difference every object has.
    copy.Left = 99;
    const std::string diff = copy.DiffText(*b.view);
    EXPECT_EQ(diff.rfind(TrpXMLSerializer::WriteProperties(copy), 0), 0u) << diff;
    EXPECT_EQ(diff.substr(diff.size() - 7), " l=\"99\"");
}
