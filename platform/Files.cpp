// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Files.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "platform/TestHooks.h"
#include "platform/UnnamedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
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

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void failOpen(const QString& path, const QString& reason) {
    throw Error(toCp1250(
        QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason)));
}

// Closes the descriptor however the reading ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

QString leftoverPrefix(const QFileInfo& target) {
    return target.absolutePath() + "/." + target.fileName() + ".";
}

QString randomSuffix() {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += letters[QRandomGenerator::global()->bounded(letters.size())];
    return suffix;
}

void removeLeftovers(const QFileInfo& target) {
    QDir folder = target.absoluteDir();
    const QString pattern = QFileInfo(leftoverPrefix(target)).fileName() + "??????";
    for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden))
        folder.remove(name);
}

} // namespace

QString resolvedFilePath(const QString& path) {
    QFileInfo info(path);
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops)
        info.setFile(info.symLinkTarget());
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

std::string readWholeFile(const QString& path, size_t largest) {
    // Opened without waiting, so that a named pipe without a writer cannot hang the program.
    const Descriptor file{
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    struct stat status {};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0)
        failOpen(path, reasonOf(errno));
    if (!S_ISREG(status.st_mode))
        failOpen(path, QStringLiteral("It is not a regular file"));
    if (static_cast<unsigned long long>(status.st_size) > largest)
        failOpen(path, QStringLiteral("It is larger than %1 bytes").arg(largest));
    std::string bytes;
    bytes.reserve(static_cast<size_t>(status.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t n = ::read(file.fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failOpen(path, reasonOf(errno));
        if (n == 0)
            return bytes;
        // The file may have grown since it was looked at.
        if (static_cast<size_t>(n) > largest - bytes.size())
            failOpen(path, QStringLiteral("It is larger than %1 bytes").arg(largest));
        bytes.append(chunk, static_cast<size_t>(n));
    }
}

void writeFileAtomically(const QString& path, std::string_view bytes, FileAccess access) {
    AtomicFile file(path, access);
    file.Write(bytes);
    file.Commit();
}

AtomicFile::AtomicFile(const QString& path, FileAccess access)
    // A save through a link keeps the link and replaces its target, as the user who made it
    // expects.
    : path_(path)
    , target_(resolvedFilePath(path)) {
    const QFileInfo target(target_);
    removeLeftovers(target);
    // Unnamed until it is whole: a writer killed before that leaves nothing behind.
    if (!step(WriteStep::Open, [&] {
            file_ = std::make_unique<UnnamedFile>(target.absolutePath());
            return file_->isOpen();
        }))
        abandon(errno);
    if (access == FileAccess::FollowUmask) {
        // The umask can only be read by setting it; it is put back at once.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(file_->descriptor(), 0666 & ~mask) != 0)
            abandon(errno);
    }
}

AtomicFile::~AtomicFile() = default;

void AtomicFile::abandon(int error) {
    abandon(reasonOf(error));
}

void AtomicFile::abandon(const QString& reason) {
    device_.reset();
    file_.reset();
    throw Error(toCp1250(QStringLiteral("Cannot create file \"%1\". %2")
                             .arg(QDir::toNativeSeparators(path_), reason)));
}

void AtomicFile::Write(std::string_view bytes) {
    const bool written = step(WriteStep::Write, [&] {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::write(file_->descriptor(), bytes.data() + done, bytes.size() - done);
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
}

QIODevice& AtomicFile::Device() {
    if (!device_) {
        device_ = std::make_unique<QFile>();
        if (!device_->open(file_->descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            abandon(device_->errorString());
    }
    return *device_;
}

void AtomicFile::Commit() {
    if (device_ && (!device_->flush() || device_->error() != QFileDevice::NoError))
        abandon(device_->errorString());
    device_.reset();
    if (!step(WriteStep::Sync, [&] { return ::fsync(file_->descriptor()) == 0; }))
        abandon(errno);
    // A name of its own first (a link cannot replace a file), then renamed over the old file.
    const QFileInfo target(target_);
    QString temp;
    const auto linked = [&] {
        for (int attempt = 0; attempt < 100; ++attempt) {
            temp = leftoverPrefix(target) + randomSuffix();
            if (file_->linkAs(temp))
                return true;
            if (errno != EEXIST)
                return false;
        }
        return false;
    };
    if (!step(WriteStep::Rename, [&] {
            if (!linked())
                return false;
            if (std::rename(QFile::encodeName(temp).constData(),
                            QFile::encodeName(target.absoluteFilePath()).constData()) == 0)
                return true;
            const int error = errno;
            QFile::remove(temp);
            errno = error;
            return false;
        }))
        abandon(errno);
    file_.reset();
    // The rename itself reaches the disk with the folder's entry.
    const Descriptor folder{::open(QFile::encodeName(target.absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd >= 0)
        ::fsync(folder.fd);
}

} // namespace platform
