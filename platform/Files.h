// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reading and writing, with the platform's file error messages (code page 1250).
#include <QString>
#include <string>
#include <string_view>

namespace platform {

// The file's bytes. Raises Error("Cannot open file \"<path>\". <reason>").
std::string readWholeFile(const QString& path);

// Who may read the written file: its owner only (the save file, anything private), or whoever
// the user's umask lets (a document the user chose to write, such as an exported PDF).
enum class FileAccess { OwnerOnly, FollowUmask };

// Replaces the file's content without ever leaving a half-written file: the bytes go to a new file
// in the same folder, with the access asked for, are synced to the disk and then renamed over the
// old file. On any failure the old file is left as it was and
// Error("Cannot create file \"<path>\". <reason>") is raised. Tests make its steps fail through
// platform/TestHooks.h.
void writeFileAtomically(const QString& path, std::string_view bytes,
                         FileAccess access = FileAccess::OwnerOnly);

} // namespace platform
