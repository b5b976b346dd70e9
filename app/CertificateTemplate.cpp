// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateTemplate.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "report/RpReport.h"

#include <QFile>

// A resource compiled into a static library is linked in only when something names it.
static void initCertificateResource() {
    Q_INIT_RESOURCE(Certificate);
}

namespace app {

void LoadCertificateTemplate(report::TrpReport& report) {
    initCertificateResource();
    QFile file(QStringLiteral(":/template/certificate.xml"));
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error("The certificate template is missing from the program");
    const QByteArray definition = file.readAll();
    report.LoadDefinition(
        std::string(definition.constData(), static_cast<size_t>(definition.size())));
}

std::string CertificateJobTitle() {
    return platform::fromUtf8("KF2718 munkáltatói igazolás");
}

} // namespace app
