// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kf2718 --batch TABLE: a certificate for every row of a payroll table, into one PDF, one PDF per
// row in a folder, one print job, or the preview window.
#include <ostream>

namespace app {

struct HeadlessRequest;

// Every row is checked before anything is written: the problems of all rows go to err and the
// result is 1 with no output. Otherwise 0 once the output is complete; 1 when it failed or was
// interrupted, leaving no half-written file.
int RunBatch(const HeadlessRequest& request, std::ostream& err);

// The preview window on all the rows' certificates (a QApplication with a window system exists);
// 0 when it was shown and closed.
int RunBatchPreview(const HeadlessRequest& request, std::ostream& err);

} // namespace app
