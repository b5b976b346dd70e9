// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>

namespace platform {
namespace {

void registerWineTahoma() {
    // Asking for the families fills Qt's font database, which the first window or page would
    // fill anyway; registering reads only the two files' tables.
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
        return;
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
}

} // namespace

void installFontSubstitutes() {
    registerWineTahoma();
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman CE"),
                              QStringLiteral("Times New Roman"));
    QFont::insertSubstitution(QStringLiteral("Arial CE"), QStringLiteral("Arial"));
    QFont::insertSubstitution(QStringLiteral("Courier New CE"), QStringLiteral("Courier New"));
    // The form code's typeface is not installed here. Of Debian's grotesques Liberation Sans Bold
    // comes closest in width and weight: "KF2718" at 14 pt is 49.8 pt wide, against 53.4 in DejaVu
    // Sans Condensed Bold, 59.4 in DejaVu Sans Bold and 40.8 in Nimbus Sans Narrow Bold. It is
    // named itself: Qt does not follow fontconfig's alias from Arial for a substitute, and fell
    // back to DejaVu Sans.
    QFont::insertSubstitution(QStringLiteral("Franklin Gothic Medium"),
                              QStringLiteral("Liberation Sans"));
}

} // namespace platform
