// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FittedLabel.h"

namespace app {
namespace {

// Narrower than this the letters would look squashed; a text that needs more gets a wider box.
constexpr int kNarrowestStretch = 80;

} // namespace

FittedLabel::FittedLabel(const QString& text, QWidget* parent, int designWidth)
    : QLabel(text, parent)
    , designWidth_(designWidth) {}

void FittedLabel::Fit() {
    QFont narrowed = font();
    narrowed.setStretch(QFont::Unstretched);
    setFont(narrowed);
    adjustSize();
    const int natural = width();
    if (natural <= designWidth_)
        return;
    // Glyph advances scale with the stretch, but hinting rounds them: start from the proportion
    // and narrow further until the text fits.
    for (int stretch = designWidth_ * 100 / natural; stretch >= kNarrowestStretch; --stretch) {
        narrowed.setStretch(stretch);
        setFont(narrowed);
        adjustSize();
        if (width() <= designWidth_)
            return;
    }
}

} // namespace app
