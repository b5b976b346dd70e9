// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reading and writing, with the platform's file error messages (code page 1250).
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The file's bytes. Only a regular file is read, and one of at most `largest` bytes: a named pipe
// or a device (/dev/zero) must neither hang nor flood the program. Raises
// Error("Cannot open file \"<path>\". <reason>").
std::string readWholeFile(const QString& path, size_t largest = SIZE_MAX);

// The file a path names once its symbolic links are followed, in its folder's canonical path (the
// path itself where the folder does not exist): two paths name the same file when these agree.
QString resolvedFilePath(const QString& path);

// Replaces the file's content without ever leaving a half-written file: the bytes go to a new,
// unnamed file in the same folder, readable and writable by the owner only, are synced to the
// disk, named and renamed over the old file. A symbolic link is followed: its target is replaced.
// Hidden leftovers ".<name>.XXXXXX" of a writer killed in between are removed. On any failure the
// old file is left as it was and Error("Cannot create file \"<path>\". <reason>") is raised. Tests
// make its steps fail through platform/TestHooks.h.
void writeFileAtomically(const QString& path, std::string_view bytes);

} // namespace platform
