// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The barcode generator of the barcode object: turns a text into a pattern of bars and spaces
// in module units and paints that pattern, with the text under it, into a device rectangle.
//
// The pattern has one character per element in drawing order: "0"-"3" spaces, "5"-"8" bars and
// "A"-"D" short bars (two fifths of the bar length), of element widths 1 to 4. Width 1 is Modul,
// width 2 is Round(Modul x Ratio), width 3 is (width 2 x 3) div 2, width 4 is width 2 x 2.
#include "report/common/RpTypes.h"

#include "platform/Canvas.h"

#include <array>
#include <string>

namespace report {

enum TrpBarcodeType {
    bcCode_2_5_interleaved,
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A,
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI,
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A,
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A,
    bcCodeEAN128B,
    bcCodeEAN128C
};
inline constexpr std::array<std::string_view, 23> TrpBarcodeTypeNames{"bcCode_2_5_interleaved",
                                                                      "bcCode_2_5_industrial",
                                                                      "bcCode_2_5_matrix",
                                                                      "bcCode39",
                                                                      "bcCode39Extended",
                                                                      "bcCode128A",
                                                                      "bcCode128B",
                                                                      "bcCode128C",
                                                                      "bcCode93",
                                                                      "bcCode93Extended",
                                                                      "bcCodeMSI",
                                                                      "bcCodePostNet",
                                                                      "bcCodeCodabar",
                                                                      "bcCodeEAN8",
                                                                      "bcCodeEAN13",
                                                                      "bcCodeUPC_A",
                                                                      "bcCodeUPC_E0",
                                                                      "bcCodeUPC_E1",
                                                                      "bcCodeUPC_Supp2",
                                                                      "bcCodeUPC_Supp5",
                                                                      "bcCodeEAN128A",
                                                                      "bcCodeEAN128B",
                                                                      "bcCodeEAN128C"};

enum TrpCheckSumMethod { csmNone, csmModulo10 };

class TrpBarcode {
public:
    std::string Text;
    TrpBarcodeType Typ = bcCodeEAN13;
    int Modul = 1;
    double Ratio = 2.0;
    bool Checksum = false;
    TrpCheckSumMethod CheckSumMethod = csmModulo10;
    double Angle = 0; // degrees
    // Bar length in picture units, set while painting.
    int Height = 0;
    platform::TColor Color = platform::clWhite; // spaces and the text strip
    platform::TColor ColorBar = platform::clBlack;

    // The pattern of Text. Only Code 39 and Code 39 Extended are built; every other symbology
    // raises platform::Error rather than drawing bars that scanners would misread. Digits-only
    // symbologies first raise "Barcode must be numeric" for anything but digits.
    std::string MakePattern();
    // The sum of the pattern's element widths less one.
    int Width();
    // Offsets of the bars inside the picture, set while painting (16 above an upside-down code,
    // 16 left of one turned by 270 degrees, where the text goes).
    int LeftOffset() const { return leftOffset_; }
    int TopOffset() const { return topOffset_; }

    // Paints the code as a picture of Width() units along the code, stretched onto the rectangle:
    // bars, spaces and, with showText, the text in a 16-unit strip on the side under the bars.
    void Paint(platform::Canvas& canvas, const platform::Rect& rect, bool showText);

private:
    std::string code39(const std::string& text) const;
    void computeElementWidths();
    int widthOf(const std::string& pattern) const;

    std::array<int, 4> elementWidths_{1, 2, 3, 4};
    int leftOffset_ = 0;
    int topOffset_ = 0;
};

} // namespace report
