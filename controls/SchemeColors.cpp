// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SchemeColors.h"

namespace controls {

SchemeColors schemeColors(SchemeHue hue) {
    switch (hue) {
    case SchemeHue::desert:
        return {QColor(250, 235, 205), QColor(140, 95, 40)};
    case SchemeHue::sky:
        return {QColor(215, 235, 255), QColor(30, 80, 160)};
    case SchemeHue::grass:
        return {QColor(220, 245, 210), QColor(40, 110, 35)};
    case SchemeHue::silver:
        return {QColor(242, 242, 245), QColor(95, 95, 105)};
    case SchemeHue::rose:
        return {QColor(255, 225, 232), QColor(160, 40, 75)};
    case SchemeHue::sun:
        return {QColor(255, 245, 200), QColor(175, 110, 0)};
    }
    return {QColor(242, 242, 245), QColor(95, 95, 105)};
}

} // namespace controls
