// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview window's toolbar pictures: a 352 x 16 strip of 22 cells of 16 x 16, cut into icons
// left to right; in each cell the colour of its lower-left pixel is transparent. Cell n is icon n
// (2 print, 12 whole page, 13 page width, 14 100 %, 15 two pages, 16 hand, 17 magnifier ...).
#include <QIcon>
#include <QImage>
#include <vector>

namespace preview {

constexpr int PreviewIconCount = 22;
constexpr int PreviewIconSize = 16;

// The strip as drawn, with the transparent colour still in place.
QImage previewIconStrip();
// The strip cut into its 22 icons.
std::vector<QIcon> cutIconStrip(const QImage& strip);

} // namespace preview
