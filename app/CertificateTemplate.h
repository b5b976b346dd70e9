// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate's print template: the stored report definition compiled into the program
// (made by tools/make_template from the rows there and the two logos).
#include <string>

namespace report {
class TrpReport;
}

namespace app {

// Reads the template into the report, replacing whatever it held.
void LoadCertificateTemplate(report::TrpReport& report);

// The document name of the certificate's print jobs (code page 1250). A shared print server shows
// job titles to everyone, so it holds no personal data.
std::string CertificateJobTitle();

} // namespace app
