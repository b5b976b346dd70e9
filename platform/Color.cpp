// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Color.h"

#include <array>

namespace platform {

TColor colorToRgb(TColor color) {
    static constexpr std::array<TColor, 31> scheme = {
        rgb(200, 200, 200), // scroll bar
        rgb(0, 0, 0),       // desktop background
        rgb(153, 180, 209), // active caption
        rgb(191, 205, 219), // inactive caption
        rgb(240, 240, 240), // menu
        rgb(255, 255, 255), // window
        rgb(100, 100, 100), // window frame
        rgb(0, 0, 0),       // menu text
        rgb(0, 0, 0),       // window text
        rgb(0, 0, 0),       // caption text
        rgb(180, 180, 180), // active border
        rgb(244, 247, 252), // inactive border
        rgb(171, 171, 171), // application workspace
        rgb(0, 120, 215),   // highlight
        rgb(255, 255, 255), // highlight text
        rgb(240, 240, 240), // button face
        rgb(160, 160, 160), // button shadow
        rgb(109, 109, 109), // grey text
        rgb(0, 0, 0),       // button text
        rgb(0, 0, 0),       // inactive caption text
        rgb(255, 255, 255), // button highlight
        rgb(105, 105, 105), // 3D dark shadow
        rgb(227, 227, 227), // 3D light
        rgb(0, 0, 0),       // info text
        rgb(255, 255, 225), // info background
        rgb(0, 0, 0),       // (unused index 25)
        rgb(0, 102, 204),   // hot light
        rgb(185, 209, 234), // gradient active caption
        rgb(215, 228, 242), // gradient inactive caption
        rgb(0, 120, 215),   // menu highlight
        rgb(240, 240, 240), // menu bar
    };
    if ((color & 0xFF000000u) == 0xFF000000u) {
        const auto index = color & 0xFFu;
        return index < scheme.size() ? scheme[index] : clBlack;
    }
    return color & 0x00FFFFFFu;
}

QColor toQColor(TColor color) {
    if (color == clNone)
        return {};
    const TColor c = colorToRgb(color);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

} // namespace platform
