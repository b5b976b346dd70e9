// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the program stores them: 32-bit 0x00BBGGRR values (red in the low byte). A value with
// the high byte 0xFF names a system colour (the low byte is its index), resolved when drawing;
// clNone means no colour at all and suppresses a fill or a frame line.
#include <QColor>
#include <cstdint>

namespace platform {

using TColor = uint32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor systemColor(int index) {
    return 0xFF000000u | static_cast<TColor>(index);
}
constexpr TColor clScrollBar = systemColor(0);
constexpr TColor clBackground = systemColor(1);
constexpr TColor clActiveCaption = systemColor(2);
constexpr TColor clInactiveCaption = systemColor(3);
constexpr TColor clMenu = systemColor(4);
constexpr TColor clWindow = systemColor(5);
constexpr TColor clWindowFrame = systemColor(6);
constexpr TColor clMenuText = systemColor(7);
constexpr TColor clWindowText = systemColor(8);
constexpr TColor clCaptionText = systemColor(9);
constexpr TColor clActiveBorder = systemColor(10);
constexpr TColor clInactiveBorder = systemColor(11);
constexpr TColor clAppWorkSpace = systemColor(12);
constexpr TColor clHighlight = systemColor(13);
constexpr TColor clHighlightText = systemColor(14);
constexpr TColor clBtnFace = systemColor(15);
constexpr TColor clBtnShadow = systemColor(16);
constexpr TColor clGrayText = systemColor(17);
constexpr TColor clBtnText = systemColor(18);
constexpr TColor clInactiveCaptionText = systemColor(19);
constexpr TColor clBtnHighlight = systemColor(20);
constexpr TColor cl3DDkShadow = systemColor(21);
constexpr TColor cl3DLight = systemColor(22);
constexpr TColor clInfoText = systemColor(23);
constexpr TColor clInfoBk = systemColor(24);

constexpr TColor rgb(int r, int g, int b) {
    return static_cast<TColor>(r & 0xFF) | static_cast<TColor>(g & 0xFF) << 8 |
           static_cast<TColor>(b & 0xFF) << 16;
}
constexpr int redOf(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The colour's red, green and blue as 0x00BBGGRR. System colours resolve to the standard desktop
// scheme's values, so what the program draws does not depend on the desktop theme of the machine.
TColor colorToRgb(TColor color);

// Resolved and converted for QPainter. clNone gives an invalid QColor.
QColor toQColor(TColor color);

} // namespace platform
