#include "platform/FontSubstitutes.h"

#include <QFont>

namespace platform {

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman CE"),
                              QStringLiteral("Times New Roman"));
    QFont::insertSubstitution(QStringLiteral("Arial CE"), QStringLiteral("Arial"));
    QFont::insertSubstitution(QStringLiteral("Courier New CE"), QStringLiteral("Courier New"));
}

} // namespace platform
