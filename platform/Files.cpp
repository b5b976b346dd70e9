// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Files.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "platform/TestHooks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Runs one step; false (with errno set) when the step or an injected fault fails it.
template <class Step>
bool step(WriteStep which, Step&& run) {
    if (const WriteFaultHook& fault = writeFaultHook()) {
        if (const int injected = fault(which)) {
            errno = injected;
            return false;
        }
    }
    return run();
}

[[noreturn]] void fail(const QString& path, int error) {
    throw Error(toCp1250(
        QStringLiteral("Cannot create file \"%1\". %2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error)))));
}

} // namespace

std::string readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(toCp1250(QStringLiteral("Cannot open file \"%1\". %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString())));
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void writeFileAtomically(const QString& path, std::string_view bytes, FileAccess access) {
    const QFileInfo info(path);
    QByteArray temp = QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    int fd = -1;
    // mkstemp creates the file with mode 0600.
    if (!step(WriteStep::Open, [&] { return (fd = mkstemp(temp.data())) >= 0; }))
        fail(path, errno);
    const auto abandon = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.constData());
        fail(path, error);
    };
    if (access == FileAccess::FollowUmask) {
        // The umask can only be read by setting it; it is put back at once.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0)
            abandon(errno);
    }
    const bool written = step(WriteStep::Write, [&] {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += static_cast<size_t>(n);
        }
        return true;
    });
    if (!written)
        abandon(errno);
    if (!step(WriteStep::Sync, [&] { return ::fsync(fd) == 0; }))
        abandon(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        abandon(errno);
    if (!step(WriteStep::Rename, [&] {
            return std::rename(temp.constData(), QFile::encodeName(path).constData()) == 0;
        }))
        abandon(errno);
    // The rename itself reaches the disk with the folder's entry.
    const int dir =
        ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace platform
