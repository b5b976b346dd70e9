// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The module-wide settings of the localized dialogs. Any caller may change them between dialogs;
// each dialog reads them while it is being built.
#include "platform/Color.h"

#include <QFont>
#include <cstdint>

namespace controls {

extern uint8_t DlgLanguage;     // row of the language table for LangMessageDlg, LangShowMessage
                                // and LangInputQuery; 0 English, 10 Hungarian
extern bool DlgBordered;        // dialog frame with caption and close box; false: no frame at all
extern bool DlgGradient;        // top-to-bottom gradient background (not with DlgSchemePanel)
extern bool DlgSchemeButtons;   // TSchemeButton instead of standard push buttons
extern uint8_t DlgButtonScheme; // TSchemeButton::TColorScheme of scheme-styled buttons
extern uint8_t DlgPanelScheme;  // TSchemePanel::TColorScheme of the scheme-styled panel
extern uint8_t DlgSpareScheme;  // kept for callers that set it; no dialog reads it
extern bool DlgSchemePanel;     // content on a TSchemePanel; message text in its dark colour
extern bool DlgUseFont;         // the whole dialog in DlgFont instead of the system message font
extern bool DlgRounded;         // rounded window outline (not with DlgSchemePanel)
extern int32_t DlgCornerSize;   // width and height of the ellipse that rounds the corners
extern platform::TColor DlgGradientFrom; // top colour of the gradient background
extern platform::TColor DlgGradientTo;   // bottom colour

// The font of the message text (always) and of the whole dialog with DlgUseFont: bold Verdana,
// 10 points. Made on first use, since fonts need the application object.
QFont& DlgFont();

// Every setting back to its default, DlgFont included.
void resetDlgSettings();

} // namespace controls
