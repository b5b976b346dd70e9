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
    FitAll({this});
}

void FittedLabel::FitAll(const QList<FittedLabel*>& labels) {
    // Labels of one face, size and style, each with its natural width, that are too wide.
    std::map<QString, std::pair<QFont, QList<std::pair<FittedLabel*, int>>>> crowded;
    for (FittedLabel* label : labels) {
        const QFont font = unstretched(label->font());
        const int natural = widthIn(label, font);
        if (natural > label->designWidth_) {
            auto& group = crowded[font.key()];
            group.first = font;
            group.second.append({label, natural});
        }
    }
    for (auto& [key, group] : crowded) {
        auto& [font, members] = group;
        // Every stretch tried loads a font engine of its own, so the search tries as few as it
        // can. Glyph advances scale with the stretch, but hinting rounds each of them, so a
        // width is not proportional to it. The answer is the widest stretch up to the
        // proportion the most cramped label needs at which all fit: guess from the widths the
        // last try gave, then check the stretch one wider. (No stretch asked for is the
        // unstretched face already; asking for 100 would load that face a second time.)
        int tooWide = 101; // the narrowest stretch seen not to fit
        for (const auto& [label, natural] : members)
            tooWide = std::min(tooWide, label->designWidth_ * 100 / natural + 1);
        int fits = 0; // the widest stretch seen to fit
        int stretch = tooWide - 1;
        QFont narrowed = font;
        while (stretch >= kNarrowestStretch && stretch > fits && stretch < tooWide) {
            narrowed.setStretch(stretch);
            int guess = stretch;
            for (const auto& member : members) {
                FittedLabel* label = member.first;
                const int width = widthIn(label, narrowed);
                if (width > label->designWidth_)
                    guess = std::min({guess, stretch - 1, stretch * label->designWidth_ / width});
            }
            if (guess == stretch) {
                fits = stretch++;
            } else {
                tooWide = stretch;
                stretch = guess;
            }
        }
        // The last try may have been one too wide; texts that fit at no stretch get the
        // narrowest.
        const int chosen = std::max(fits, kNarrowestStretch);
        if (narrowed.stretch() != chosen) {
            narrowed.setStretch(chosen);
            for (const auto& member : members)
                widthIn(member.first, narrowed);
        }
    }
}

} // namespace app
