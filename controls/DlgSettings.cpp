// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DlgSettings.h"

#include <optional>

namespace controls {
namespace defaults {

constexpr uint8_t language = 0; // English
constexpr bool bordered = true;
constexpr bool gradient = false;
constexpr bool schemeButtons = false;
constexpr uint8_t buttonScheme = 8; // TSchemeButton::csSky
constexpr uint8_t panelScheme = 4;  // TSchemePanel::csSky
constexpr uint8_t spareScheme = 4;
constexpr bool schemePanel = false;
constexpr bool useFont = false;
constexpr bool rounded = false;
constexpr int32_t cornerSize = 15;
constexpr platform::TColor gradientFrom = platform::rgb(157, 185, 235);
constexpr platform::TColor gradientTo = platform::rgb(61, 149, 255);

} // namespace defaults

uint8_t DlgLanguage = defaults::language;
bool DlgBordered = defaults::bordered;
bool DlgGradient = defaults::gradient;
bool DlgSchemeButtons = defaults::schemeButtons;
uint8_t DlgButtonScheme = defaults::buttonScheme;
uint8_t DlgPanelScheme = defaults::panelScheme;
uint8_t DlgSpareScheme = defaults::spareScheme;
bool DlgSchemePanel = defaults::schemePanel;
bool DlgUseFont = defaults::useFont;
bool DlgRounded = defaults::rounded;
int32_t DlgCornerSize = defaults::cornerSize;
platform::TColor DlgGradientFrom = defaults::gradientFrom;
platform::TColor DlgGradientTo = defaults::gradientTo;

namespace {

std::optional<QFont>& dlgFont() {
    static std::optional<QFont> font;
    return font;
}

QFont defaultDlgFont() {
    return QFont(QStringLiteral("Verdana"), 10, QFont::Bold);
}

} // namespace

QFont& DlgFont() {
    auto& font = dlgFont();
    if (!font)
        font = defaultDlgFont();
    return *font;
}

void resetDlgSettings() {
    DlgLanguage = defaults::language;
    DlgBordered = defaults::bordered;
    DlgGradient = defaults::gradient;
    DlgSchemeButtons = defaults::schemeButtons;
    DlgButtonScheme = defaults::buttonScheme;
    DlgPanelScheme = defaults::panelScheme;
    DlgSpareScheme = defaults::spareScheme;
    DlgSchemePanel = defaults::schemePanel;
    DlgUseFont = defaults::useFont;
    DlgRounded = defaults::rounded;
    DlgCornerSize = defaults::cornerSize;
    DlgGradientFrom = defaults::gradientFrom;
    DlgGradientTo = defaults::gradientTo;
    dlgFont() = defaultDlgFont();
}

} // namespace controls
