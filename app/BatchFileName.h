// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of one certificate's PDF among many in a folder.
#include <QString>

namespace app {

// "<row>_<employee>.pdf": the row number, zero-padded to the width of the last row's so that the
// files sort in row order, and the employee's name made safe for every file system: accented
// letters without their accents, every character other than an ASCII letter, digit, "-" or "."
// (the "/" of "Kiss/Nagy" among them) as one "_" per run, at most 80 characters of it.
QString BatchFileName(int row, int lastRow, const QString& employee);

} // namespace app
