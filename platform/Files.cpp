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

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw Error(toCp1250(QStringLiteral("Cannot create file \"%1\". %2")
                             .arg(QDir::toNativeSeparators(path), reason)));
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
    AtomicFile file(path, access);
    file.Write(bytes);
    file.Commit();
}

AtomicFile::AtomicFile(const QString& path, FileAccess access) : path_(path) {
    const QFileInfo info(path);
    temp_ = QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    // mkstemp creates the file with mode 0600.
    if (!step(WriteStep::Open, [&] { return (fd_ = mkstemp(temp_.data())) >= 0; }))
        fail(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (access == FileAccess::FollowUmask) {
        // The umask can only be read by setting it; it is put back at once.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd_, 0666 & ~mask) != 0)
            abandon(errno);
    }
}

AtomicFile::~AtomicFile() {
    if (temp_.isEmpty())
        return;
    device_.reset();
    if (fd_ >= 0)
        ::close(fd_);
    ::unlink(temp_.constData());
}

void AtomicFile::abandon(int error) {
    abandon(QString::fromLocal8Bit(std::strerror(error)));
}

void AtomicFile::abandon(const QString& reason) {
    device_.reset();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    ::unlink(temp_.constData());
    temp_.clear();
    fail(path_, reason);
}

void AtomicFile::Write(std::string_view bytes) {
    const bool written = step(WriteStep::Write, [&] {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
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
        if (!device_->open(fd_, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            abandon(device_->errorString());
    }
    return *device_;
}

void AtomicFile::Commit() {
    if (device_ && (!device_->flush() || device_->error() != QFileDevice::NoError))
        abandon(device_->errorString());
    device_.reset();
    if (!step(WriteStep::Sync, [&] { return ::fsync(fd_) == 0; }))
        abandon(errno);
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0)
        abandon(errno);
    if (!step(WriteStep::Rename, [&] {
            return std::rename(temp_.constData(), QFile::encodeName(path_).constData()) == 0;
        }))
        abandon(errno);
    temp_.clear();
    // The rename itself reaches the disk with the folder's entry.
    const int dir = ::open(QFile::encodeName(QFileInfo(path_).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace platform
