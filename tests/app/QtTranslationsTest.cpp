// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTranslations.h"

#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinter>
#include <gtest/gtest.h>
#include <memory>

// Every test program installs the translations as the program does; installing them once more
// changes nothing but proves that they are there (scripts/setup.sh installs them).
TEST(QtTranslations, QtsOwnMenusAndDialogsSpeakHungarian) {
    ASSERT_TRUE(platform::installQtTranslations()) << "qt6-translations-l10n is not installed";
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section('\t', 0, 0).remove('&');
    EXPECT_EQ(texts, QStringList({QString::fromUtf8("Visszavonás"), QString::fromUtf8("Újra"),
                                  QString::fromUtf8("Kivágás"), QString::fromUtf8("Másolás"),
                                  QString::fromUtf8("Beillesztés"), QString::fromUtf8("Törlés"),
                                  QString::fromUtf8("Összes kijelölése")}));
    QPrinter printer;
    QPageSetupDialog pageSetup(&printer);
    EXPECT_EQ(pageSetup.windowTitle(), QString::fromUtf8("Oldalbeállítás"));
}
