#include "platform/FontSubstitutes.h"

#include <QFont>

namespace platform {

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman CE"),
                              QStringLiteral("Times New Roman"));
    QFont::insertSubstitution(QStringLiteral("Arial CE"), QStringLiteral("Arial"));
    QFont::insertSubstitution(QStringLiteral("Courier New CE"), QStringLiteral("Courier New"));
    // The form code's typeface is not installed here; a plain grotesque of Arial's metrics
    // keeps the code's width close.
    QFont::insertSubstitution(QStringLiteral("Franklin Gothic Medium"), QStringLiteral("Arial"));
}

} // namespace platform
