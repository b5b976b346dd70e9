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
    // The form code's typeface is not installed here; a plain grotesque of Arial's metrics
    // keeps the code's width close.
    QFont::insertSubstitution(QStringLiteral("Franklin Gothic Medium"), QStringLiteral("Arial"));
}

} // namespace platform
