// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reading and writing, with the platform's file error messages (code page 1250).
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class QFile;
class QIODevice;

namespace platform {

class UnnamedFile;

// The file's bytes. Only a regular file is read, and one of at most `largest` bytes: a named pipe
// or a device (/dev/zero) must neither hang nor flood the program. Raises
// Error("Cannot open file \"<path>\". <reason>").
std::string readWholeFile(const QString& path, size_t largest = SIZE_MAX);

// The file a path names once its symbolic links are followed, in its folder's canonical path (the
// path itself where the folder does not exist): two paths name the same file when these agree.
QString resolvedFilePath(const QString& path);

// Who may read the written file: its owner only (the save file, anything private), or whoever
// the user's umask lets (a document the user chose to write, such as an exported PDF).
enum class FileAccess { OwnerOnly, FollowUmask };

// Replaces the file's content without ever leaving a half-written file: the bytes go to a new,
// unnamed file in the same folder, with the access asked for, are synced to the disk, named and
// renamed over the old file. A symbolic link is followed: its target is replaced. Hidden leftovers
// ".<name>.XXXXXX" of a writer killed in between are removed. On any failure the old file is left
// as it was and Error("Cannot create file \"<path>\". <reason>") is raised. Tests make its steps
// fail through platform/TestHooks.h.
void writeFileAtomically(const QString& path, std::string_view bytes,
                         FileAccess access = FileAccess::OwnerOnly);

// The same, for output written piece by piece: the bytes go to the new file as they come, and
// only Commit puts it in the old file's place. Dropped without Commit (a failure, an interrupted
// or killed run) the new file vanishes and the old one stays as it was. Errors as
// writeFileAtomically's.
class AtomicFile {
public:
    explicit AtomicFile(const QString& path, FileAccess access = FileAccess::OwnerOnly);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view bytes);
    // The new file as a device, for writers that take one (QPdfWriter); its errors surface at
    // Commit.
    QIODevice& Device();
    void Commit();

private:
    [[noreturn]] void abandon(int error);
    [[noreturn]] void abandon(const QString& reason);

    QString path_;   // as given, for the messages
    QString target_; // the file replaced: the link's target for a link
    std::unique_ptr<UnnamedFile> file_;
    std::unique_ptr<QFile> device_;
};

} // namespace platform
