// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate's print template: the stored report definition compiled into the program
// (made by tools/make_template from the rows there and the two logos).

namespace report {
class TrpReport;
}

namespace app {

// Reads the template into the report, replacing whatever it held.
void LoadCertificateTemplate(report::TrpReport& report);

} // namespace app
