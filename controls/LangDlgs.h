// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Localized modal dialogs: a message dialog (text, an icon by message type, a row of standard
// buttons) and a one-line input dialog, with window titles and button captions from the language
// table (LanguageTable.h) and looks from the module settings (DlgSettings.h). Texts in and out are
// code page 1250 bytes.
#include "controls/DlgSettings.h"
#include "controls/MessageForm.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

namespace controls {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgButtonKind {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};

// A set of button kinds.
class TMsgDlgButtons {
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgButtonKind> kinds) {
        for (const TMsgDlgButtonKind kind : kinds)
            bits_ |= static_cast<uint16_t>(1u << kind);
    }
    constexpr bool contains(TMsgDlgButtonKind kind) const { return (bits_ >> kind) & 1u; }
    constexpr int count() const {
        int n = 0;
        for (uint16_t b = bits_; b; b &= static_cast<uint16_t>(b - 1))
            ++n;
        return n;
    }

private:
    uint16_t bits_ = 0;
};

// Languages outside 0..11 fall back to row 0 (English).

// A new message dialog, not yet shown, centred on the screen.
std::unique_ptr<TMessageForm> CreateLangMessageDialog(const std::string& message, TMsgDlgType type,
                                                      TMsgDlgButtons buttons, int language);
// Shows the message dialog modally and returns its modal result. X or Y of at least 0 moves the
// dialog's left or top edge there instead of the centred position.
int LangMessageDlgPosHelp(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                          int language, int32_t helpContext, int x, int y);
int LangMessageDlgHelp(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                       int language, int32_t helpContext);
// In the language DlgLanguage.
int LangMessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                   int32_t helpContext);
// An information message with one OK button, in the language DlgLanguage.
void LangShowMessage(const std::string& message);

// The input dialog: caption as its title, the prompt, an edit box of at most 255 characters that
// shows what is typed, OK and Cancel. True when confirmed with OK, value then holds the edit
// box's text; otherwise value is left as it was.
bool LangInputQueryEx(const std::string& caption, const std::string& prompt, std::string& value,
                      int language);
// value starts as defaultValue.
bool LangInputQueryLang(const std::string& caption, const std::string& prompt,
                        const std::string& defaultValue, std::string& value, int language);
// In the language DlgLanguage.
bool LangInputQuery(const std::string& caption, const std::string& prompt,
                    const std::string& defaultValue, std::string& value);

} // namespace controls
