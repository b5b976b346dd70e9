// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate the whole-process and preview benchmarks use: one set of field values, given to
// kf2718 on its command line or typed into a window, and the prepared page recorded as a BarePage
// for the bare Qt baselines.
#include "bench/BarePage.h"

#include <QString>
#include <string>
#include <utility>
#include <vector>

namespace app {
class TForm1;
}

namespace bench {

// By field name, as --field takes them.
const std::vector<std::pair<QString, QString>>& certificateFields();
// "--field", "NAME=VALUE", ... for the command line.
std::vector<std::string> certificateFieldArguments();
// Types the values into the window's fields.
void fillCertificateWindow(app::TForm1& window);
// The window's certificate prepared and its first page recorded at the given resolution, the
// pictures named by the files they came from.
BarePage recordCertificatePage(app::TForm1& window, int dpi);

} // namespace bench
