// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColorNames.h"

#include <QByteArrayView>
#include <array>
#include <utility>

namespace platform {

std::optional<TColor> colorFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, TColor>, 49> names{{
        {"clBlack", rgb(0, 0, 0)},
        {"clMaroon", rgb(128, 0, 0)},
        {"clGreen", rgb(0, 128, 0)},
        {"clOlive", rgb(128, 128, 0)},
        {"clNavy", rgb(0, 0, 128)},
        {"clPurple", rgb(128, 0, 128)},
        {"clTeal", rgb(0, 128, 128)},
        {"clGray", rgb(128, 128, 128)},
        {"clSilver", rgb(192, 192, 192)},
        {"clRed", rgb(255, 0, 0)},
        {"clLime", rgb(0, 255, 0)},
        {"clYellow", rgb(255, 255, 0)},
        {"clBlue", rgb(0, 0, 255)},
        {"clFuchsia", rgb(255, 0, 255)},
        {"clAqua", rgb(0, 255, 255)},
        {"clWhite", rgb(255, 255, 255)},
        {"clLtGray", rgb(192, 192, 192)},
        {"clDkGray", rgb(128, 128, 128)},
        {"clMoneyGreen", rgb(192, 220, 192)},
        {"clSkyBlue", rgb(166, 202, 240)},
        {"clCream", rgb(255, 251, 240)},
        {"clMedGray", rgb(160, 160, 164)},
        {"clScrollBar", clScrollBar},
        {"clBackground", clBackground},
        {"clActiveCaption", clActiveCaption},
        {"clInactiveCaption", clInactiveCaption},
        {"clMenu", clMenu},
        {"clWindow", clWindow},
        {"clWindowFrame", clWindowFrame},
        {"clMenuText", clMenuText},
        {"clWindowText", clWindowText},
        {"clCaptionText", clCaptionText},
        {"clActiveBorder", clActiveBorder},
        {"clInactiveBorder", clInactiveBorder},
        {"clAppWorkSpace", clAppWorkSpace},
        {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText},
        {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow},
        {"clGrayText", clGrayText},
        {"clBtnText", clBtnText},
        {"clInactiveCaptionText", clInactiveCaptionText},
        {"clBtnHighlight", clBtnHighlight},
        {"cl3DDkShadow", cl3DDkShadow},
        {"cl3DLight", cl3DLight},
        {"clInfoText", clInfoText},
        {"clInfoBk", clInfoBk},
        {"clNone", clNone},
        {"clDefault", clDefault},
    }};
    const QByteArrayView wanted(name.data(), static_cast<qsizetype>(name.size()));
    for (const auto& [n, color] : names)
        if (wanted.compare(QByteArrayView(n.data(), static_cast<qsizetype>(n.size())),
                           Qt::CaseInsensitive) == 0)
            return color;
    return std::nullopt;
}

} // namespace platform
