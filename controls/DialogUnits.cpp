// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DialogUnits.h"

#include <QFontMetrics>
#include <cstdint>
#include <cstdlib>

namespace controls {

namespace {

// The platform measures dialog text without kerning.
QFontMetrics unkernedMetrics(const QFont& font) {
    QFont unkerned(font);
    unkerned.setKerning(false);
    return QFontMetrics(unkerned);
}

} // namespace

AverageCharSize averageCharSize(const QFont& font) {
    const QFontMetrics metrics = unkernedMetrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {metrics.horizontalAdvance(letters) / 52, metrics.height()};
}

QSize wrappedTextSize(const QFont& font, int maxWidth, const QString& text) {
    const QRect bounds = unkernedMetrics(font).boundingRect(
        QRect(0, 0, maxWidth, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return bounds.size();
}

} // namespace controls
