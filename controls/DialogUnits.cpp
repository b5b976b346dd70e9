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

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const int64_t product = int64_t{a} * b;
    const int64_t magnitude = (std::llabs(product) + std::llabs(int64_t{c}) / 2) / std::llabs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

} // namespace controls
