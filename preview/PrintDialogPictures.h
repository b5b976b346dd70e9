// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the print dialog: the printer icon of the printer list (18 x 16), collated
// copies (74 x 53) and uncollated copies (92 x 40). Each is a bitmap drawn transparently: the
// colour of its lower-left pixel is left out.
#include <QImage>

namespace preview {

QImage printerIconBitmap();
QImage collatedCopiesBitmap();
QImage uncollatedCopiesBitmap();

// The bitmap with every pixel of its lower-left pixel's colour made transparent.
QImage transparentFromLowerLeft(const QImage& bitmap);

} // namespace preview
