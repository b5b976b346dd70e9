// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mouse cursors by number, as report objects name them (TrpView::Cursor) and the page view uses
// them: 0 is the default, negative numbers the platform's standard cursors, 50 the hand that drags
// the pages and 51 the magnifier of the zoom tool.
#include <QCursor>

namespace preview {

constexpr int crDefault = 0;
constexpr int crHandPoint = -21;
constexpr int crHand = 50; // "RPHAND"
constexpr int crZoom = 51; // "RPZOOM"

QCursor previewCursor(int id);

} // namespace preview
