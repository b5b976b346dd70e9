// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog layout in units of the font's average character size, so that the dialogs scale with
// their font: horizontal units are quarters of the average width, vertical units eighths of the
// height.
#include <QFont>
#include <QSize>
#include <QString>

namespace controls {

struct AverageCharSize {
    int cx = 0; // width of "A".."Z" + "a".."z" divided by 52, truncated
    int cy = 0; // height of that text
};

AverageCharSize averageCharSize(const QFont& font);

// The size that text takes in font when it is broken at word boundaries to fit maxWidth: the
// widest line and the height of all lines. Runs of blanks inside a line count.
QSize wrappedTextSize(const QFont& font, int maxWidth, const QString& text);

} // namespace controls
