// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UnnamedFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

UnnamedFile::UnnamedFile(const QString& folder) {
    const QByteArray where = QFile::encodeName(folder);
    fd_ = ::open(where.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd_ >= 0 || (errno != EOPNOTSUPP && errno != EISDIR))
        return;
    // A file system without unnamed files: a hidden named one, removed with this object.
    fallbackName_ = where + "/.kf-XXXXXX";
    fd_ = ::mkostemp(fallbackName_.data(), O_CLOEXEC);
    if (fd_ < 0)
        fallbackName_.clear();
}

UnnamedFile::~UnnamedFile() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!fallbackName_.isEmpty())
        ::unlink(fallbackName_.constData());
}

QString UnnamedFile::path() const {
    return QStringLiteral("/proc/self/fd/%1").arg(fd_);
}

bool UnnamedFile::linkAs(const QString& name) const {
    if (!fallbackName_.isEmpty())
        return ::link(fallbackName_.constData(), QFile::encodeName(name).constData()) == 0;
    return ::linkat(AT_FDCWD, QFile::encodeName(path()).constData(), AT_FDCWD,
                    QFile::encodeName(name).constData(), AT_SYMLINK_FOLLOW) == 0;
}

} // namespace platform
