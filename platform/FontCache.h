// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts as the canvases measure and draw them: one QRawFont per font name, pixel height and weight
// and slant, kept for reuse. Measuring works on glyph indexes taken character by character and
// their design advances, so no shaping, ligature, kerning or hinting makes the measured width
// differ from the drawn one.
#include "platform/Canvas.h"

#include <QList>
#include <QRawFont>

namespace platform {

struct GlyphLine {
    QList<quint32> glyphs;
    QList<qreal> advances; // design advances in pixels, one per character
};

// The face text is measured in.
const QRawFont& rawFontFor(const CanvasFont& font);
// The face text is drawn in: the measured one, or for a bold face with regular-weight stems the
// same face with widened outlines (same glyphs, advances and metrics), so that bold looks bold.
const QRawFont& inkFontFor(const CanvasFont& font);
// Whether the bold face found for the font has regular-weight stems.
bool hasThinBoldStems(const CanvasFont& font);
GlyphLine glyphLineFor(const CanvasFont& font, std::string_view cp1250);
// Cumulative design advances, rounded to whole pixels once per entry (never per prefix).
std::vector<int> cumulativeExtents(const GlyphLine& line);
FontMetrics metricsFor(const CanvasFont& font);

} // namespace platform
