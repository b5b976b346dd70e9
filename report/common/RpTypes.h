// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Units, rounding and the enumerations of the report objects, with the names their stored forms
// use.
#include <array>
#include <cmath>
#include <span>
#include <string_view>

namespace report {

// One report unit is one screen pixel at 96 dots per inch.
constexpr double fr01cm = 3.77953; // 1 mm
constexpr double fr1cm = 37.7953;
constexpr double fr1in = 96;
constexpr double fr01in = 9.6;
constexpr double fr1CharX = 9.6;
constexpr double fr1CharY = 17;

// Round to nearest, halves to the even neighbour: how every unit value becomes device pixels.
// Values beyond the pixel range (a damaged definition's geometry) stop at +-2^30, which leaves room
// for the sums and differences of coordinates that follow; NaN gives 0.
inline int rpRound(double value) {
    constexpr double limit = 1 << 30;
    if (!(value > -limit)) // also NaN
        return value != value ? 0 : -(1 << 30);
    if (value > limit)
        return 1 << 30;
    return static_cast<int>(std::nearbyint(value));
}

enum TrpAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom };
enum TrpShiftMode { smDontShift, smAlways, smWhenOverlapped };
enum TrpStretchMode { smDontStretch, smActualHeight, smMaxHeight };
enum TrpHAlign { haLeft, haRight, haCenter, haBlock };
enum TrpVAlign { vaTop, vaBottom, vaCenter };
enum TrpBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
enum TrpFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble };
enum TrpFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };

// Set types are bit sets: bit n stands for the enumeration value n.
enum TrpFrameType { ftLeft, ftRight, ftTop, ftBottom };
using TrpFrameTypes = int;
enum TrpRestriction { rfDontModify, rfDontSize, rfDontMove, rfDontDelete };
using TrpRestrictions = int;
enum TrpFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TrpFontStyles = int;

constexpr int bitOf(int value) {
    return 1 << value;
}

// Names of an enumeration's values in ordinal order, as definitions write them.
using EnumNames = std::span<const std::string_view>;

inline constexpr std::array<std::string_view, 6> TrpAlignNames{"baNone",   "baLeft",  "baRight",
                                                               "baCenter", "baWidth", "baBottom"};
inline constexpr std::array<std::string_view, 3> TrpShiftModeNames{"smDontShift", "smAlways",
                                                                   "smWhenOverlapped"};
inline constexpr std::array<std::string_view, 3> TrpStretchModeNames{
    "smDontStretch", "smActualHeight", "smMaxHeight"};
inline constexpr std::array<std::string_view, 4> TrpHAlignNames{"haLeft", "haRight", "haCenter",
                                                                "haBlock"};
inline constexpr std::array<std::string_view, 3> TrpVAlignNames{"vaTop", "vaBottom", "vaCenter"};
inline constexpr std::array<std::string_view, 8> TrpBrushStyleNames{
    "bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
    "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
inline constexpr std::array<std::string_view, 6> TrpFrameStyleNames{
    "fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot", "fsDouble"};
inline constexpr std::array<std::string_view, 4> TrpFormatKindNames{"fkText", "fkNumeric",
                                                                    "fkDateTime", "fkBoolean"};
inline constexpr std::array<std::string_view, 4> TrpFrameTypeNames{"ftLeft", "ftRight", "ftTop",
                                                                   "ftBottom"};
inline constexpr std::array<std::string_view, 4> TrpRestrictionNames{"rfDontModify", "rfDontSize",
                                                                     "rfDontMove", "rfDontDelete"};
inline constexpr std::array<std::string_view, 4> TrpFontStyleNames{"fsBold", "fsItalic",
                                                                   "fsUnderline", "fsStrikeOut"};

} // namespace report
