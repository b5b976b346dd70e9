// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's paper codes (9 = A4, 256 = custom) as Qt page sizes.
#include <QPageSize>

namespace preview {

// A code of the paper table gives the table's size (named as the standard size it matches); another
// code Qt knows gives its standard size; code 256 and codes nobody knows give widthMm x heightMm.
// Standard sizes are portrait.
QPageSize pageSizeForPaper(int code, double widthMm, double heightMm);

} // namespace preview
