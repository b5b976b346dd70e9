// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour gradients drawn line by line, through any number of colours.
#include "platform/Color.h"
#include "platform/Error.h"

#include <QRect>
#include <vector>

class QPainter;

namespace controls {

class EMathError : public platform::Error {
public:
    using Error::Error;
};

// Fills rect with one-pixel lines whose colour runs through colors in equal segments: vertical
// lines changing from left to right when vertical is true, else horizontal lines changing from
// top to bottom. Fewer than two colours raise EMathError. Nothing is drawn outside rect.
void DrawGradientLines(QPainter& canvas, const QRect& rect, bool vertical,
                       const std::vector<platform::TColor>& colors);

} // namespace controls
