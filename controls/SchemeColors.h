// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour families shared by the scheme-styled button and panel. Private to the controls.
#include <QColor>

namespace controls {

enum class SchemeHue { desert, sky, grass, silver, rose, sun };

struct SchemeColors {
    QColor light; // the face
    QColor dark;  // outline and text
};

SchemeColors schemeColors(SchemeHue hue);

} // namespace controls
