// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own dialogs and menus (the file dialog, the page set-up dialog, an edit's context menu)
// speak Hungarian, as the rest of the program does, whatever the system's locale.

namespace platform {

// Loads Qt's Hungarian translations (qtbase_hu.qm of Qt's translations folder) into the
// application. Call it once the application object exists. False, and Qt stays English, when the
// translations are not installed.
bool installQtTranslations();

} // namespace platform
