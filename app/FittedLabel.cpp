// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FittedLabel.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace app {
namespace {

// Narrower than this the letters would look squashed; a text that needs more gets a wider box.
constexpr int kNarrowestStretch = 80;

// The width a label takes for its text in the font.
int widthIn(QLabel* label, const QFont& font) {
    label->setFont(font);
    label->adjustSize();
    return label->width();
}

QFont unstretched(QFont font) {
    if (font.stretch() != QFont::AnyStretch && font.stretch() != QFont::Unstretched)
        font.setStretch(QFont::Unstretched);
    return font;
}

} // namespace

FittedLabel::FittedLabel(const QString& text, QWidget* parent, int designWidth)
    : QLabel(text, parent)
    , designWidth_(designWidth) {}

void FittedLabel::Fit() {
    // Every stretch tried loads a font engine of its own, the costliest step of showing the
    // window, so the search tries as few as it can. No stretch asked for is the unstretched face
    // already; asking for 100 would load that face a second time.
    QFont narrowed = unstretched(font());
    const int natural = widthIn(this, narrowed);
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

namespace app {

void FittedLabel::FitAll(const QList<FittedLabel*>& labels) {
    // Labels of one face, size and style, each with its natural width, that are too wide.
    std::map<QString, std::pair<QFont, QList<std::pair<FittedLabel*, int>>>> tooWide;
    for (FittedLabel* label : labels) {
        const QFont font = unstretched(label->font());
        const int natural = widthIn(label, font);
        if (natural > label->designWidth_) {
            auto& group = tooWide[font.key()];
            group.first = font;
            group.second.append({label, natural});
        }
    }
    for (auto& [key, group] : tooWide) {
        auto& [font, members] = group;
        // Start from the proportion the most cramped label needs; hinting rounds the advances,
        // so a stretch may give a little more than its proportion: narrow until all fit.
        int stretch = 100;
        for (const auto& [label, natural] : members)
            stretch = std::min(stretch, label->designWidth_ * 100 / natural);
        stretch = std::max(stretch, kNarrowestStretch);
        QFont narrowed = font;
        for (;; --stretch) {
            narrowed.setStretch(stretch);
            bool allFit = true;
            for (const auto& member : members)
                allFit = widthIn(member.first, narrowed) <= member.first->designWidth_ && allFit;
            if (allFit || stretch == kNarrowestStretch)
                break;
        }
    }
}

} // namespace app
