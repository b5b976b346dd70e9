// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace platform {

// The folder that holds the program's executable.
QString programFolder();

// The folder of the one save file when the program runs from programFolder: that folder itself
// where the user may write into it (a build tree, an unpacked copy), else the user's own data
// folder ($XDG_DATA_HOME/kf2718, usually ~/.local/share/kf2718), as for the installed package.
// A program under /usr counts as installed even for root: user data never goes there.
QString saveFolderFor(const QString& programFolder);
QString saveFolder(); // saveFolderFor(programFolder())

// Creates the folder with the missing folders above it, each readable by its owner only (0700);
// folders that exist already are left as they are. Raises Error("Cannot create folder ...").
void createPrivateFolder(const QString& folder);

} // namespace platform
