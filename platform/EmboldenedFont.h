// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A TrueType face rebuilt with wider stems, for a bold face that was drawn with a regular face's
// stems. The outlines themselves are widened, so that a glyph run in the new face is ordinary text
// everywhere it is drawn: on screen, on paper, and in a PDF, where each glyph is stored once in
// the embedded font instead of as a path on every page.
#include <QByteArray>
#include <QList>

class QRawFont;
class QString;

namespace platform {

// The TrueType outlines of the glyphs drawn (and of their parts) grown by `strengthEm` of the em
// square across every stem, half on each side, so that advances, glyph origins and the baseline
// stay where they were; the cmap, the advances and the vertical metrics are the face's own, hinting
// is left out, and the family is renamed to `family`. Empty when the face has no TrueType outlines
// or its tables do not hold together. The other glyphs stay as they are.
QByteArray emboldenedTrueType(const QRawFont& face, double strengthEm, const QString& family,
                              const QList<quint32>& drawn);

} // namespace platform
