// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TextOverflowMessage.h"

#include <QStringList>

namespace app {
namespace {

// Every lost line on a line of its own, indented, with its page when there is more than one.
QString lostLines(const std::vector<report::TrpTextOverflow>& overflows) {
    bool severalPages = false;
    for (const report::TrpTextOverflow& o : overflows)
        severalPages = severalPages || o.Page != overflows.front().Page;
    QStringList lines;
    for (const report::TrpTextOverflow& o : overflows)
        for (const QString& line : o.Text.split('\n'))
            lines << (severalPages ? QString::fromUtf8("  %1. oldal: %2").arg(o.Page + 1).arg(line)
                                   : QStringLiteral("  ") + line);
    return lines.join('\n');
}

} // namespace

QString TextOverflowWarning(const std::vector<report::TrpTextOverflow>& overflows) {
    return QString::fromUtf8("Az igazoláson nem fér el, ezért nem látszik és nem nyomtatódik ki:\n"
                             "\n%1\n\n"
                             "Rövidítse a hosszú adatokat, és nyomtasson újra.")
        .arg(lostLines(overflows));
}

QString TextOverflowError(const std::vector<report::TrpTextOverflow>& overflows) {
    return QString::fromUtf8("Az igazoláson nem fér el (text that does not fit on the "
                             "certificate):\n%1\n"
                             "Rövidítse a hosszú adatokat, vagy adja meg az --allow-overflow "
                             "kapcsolót (shorten the long fields, or give --allow-overflow).")
        .arg(lostLines(overflows));
}

} // namespace app
