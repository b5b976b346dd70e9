// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve languages of the dialogs: window titles and button captions, each row stored as
// single-byte text in its own language's Windows code page.
#include <QString>
#include <array>

namespace controls {

struct TInternationalRec {
    const char* InputCancel;                    // Cancel button of the input dialog
    std::array<const char*, 5> Captions;        // titles by TMsgDlgType; the mtCustom one unused
    std::array<const char*, 11> ButtonCaptions; // by TMsgDlgButtonKind
};

// 0 English, 1 Russian, 2 Portuguese, 3 Turkish, 4 German, 5 Dutch, 6 French, 7 Greek,
// 8 Spanish, 9 Italian, 10 Hungarian, 11 Romanian.
constexpr int languageCount = 12;
extern const std::array<TInternationalRec, languageCount> LanguageTable;

// A text of the given row, decoded from that row's code page (a Russian caption is Cyrillic on
// screen whatever code page the rest of the program uses).
QString languageText(int language, const char* text);

} // namespace controls
