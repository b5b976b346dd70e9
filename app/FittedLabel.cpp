// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FittedLabel.h"

#include <algorithm>

namespace app {
namespace {

// Narrower than this the letters would look squashed; a text that needs more gets a wider box.
constexpr int kNarrowestStretch = 80;

} // namespace

FittedLabel::FittedLabel(const QString& text, QWidget* parent, int designWidth)
    : QLabel(text, parent)
    , designWidth_(designWidth) {}

void FittedLabel::Fit() {
    // Every stretch tried loads a font engine of its own, the costliest step of showing the
    // window, so the search tries as few as it can. No stretch asked for is the unstretched face
    // already; asking for 100 would load that face a second time.
    QFont narrowed = font();
    if (narrowed.stretch() != QFont::AnyStretch && narrowed.stretch() != QFont::Unstretched) {
        narrowed.setStretch(QFont::Unstretched);
        setFont(narrowed);
    }
    adjustSize();
    const int natural = width();
    if (natural <= designWidth_)
        return;
    // Glyph advances scale with the stretch, but hinting rounds each of them, so the width is
    // not proportional to it. The answer is the widest stretch up to the proportion that fits:
    // guess from the width the last try gave, then check the stretch one wider.
    int fits = 0;                                   // the widest stretch seen to fit
    int tooWide = designWidth_ * 100 / natural + 1; // the narrowest seen not to fit
    int stretch = tooWide - 1;
    while (stretch >= kNarrowestStretch && stretch > fits && stretch < tooWide) {
        narrowed.setStretch(stretch);
        setFont(narrowed);
        adjustSize();
        if (width() <= designWidth_) {
            fits = stretch;
            ++stretch;
        } else {
            tooWide = stretch;
            stretch = std::min(stretch - 1, stretch * designWidth_ / width());
        }
    }
    // The last try may have been the one too wide; a text that fits at no stretch gets the
    // narrowest.
    const int chosen = std::max(fits, kNarrowestStretch);
    if (narrowed.stretch() != chosen) {
        narrowed.setStretch(chosen);
        setFont(narrowed);
        adjustSize();
    }
}

} // namespace app
