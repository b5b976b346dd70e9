// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The system's installed programs and their read-only data (the file system hierarchy's /usr;
// /bin and /sbin are links into it on Debian, and the program's path is already resolved).
bool isSystemFolder(const QString& folder) {
    const QString path = QDir::cleanPath(folder);
    return path == QLatin1String("/usr") || path.startsWith(QLatin1String("/usr/"));
}

bool userMayWrite(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

} // namespace

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString saveFolderFor(const QString& programFolder) {
    if (!isSystemFolder(programFolder) && userMayWrite(programFolder))
        return programFolder;
    // Named after the package and its command, as Debian programs name their folders; the
    // application name ("KF2718") is the title of the program's message boxes.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("kf2718"));
}

QString saveFolder() {
    return saveFolderFor(programFolder());
}

void createPrivateFolder(const QString& folder) {
    const QString path = QDir(folder).absolutePath();
    QString done;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        done += QLatin1Char('/') + part;
        const QByteArray name = QFile::encodeName(done);
        if (::mkdir(name.constData(), 0700) == 0) {
            // The umask may have taken bits the owner needs.
            ::chmod(name.constData(), 0700);
            continue;
        }
        struct stat existing {};
        if (errno == EEXIST && ::stat(name.constData(), &existing) == 0 &&
            S_ISDIR(existing.st_mode))
            continue;
        const int error = errno == EEXIST ? ENOTDIR : errno;
        throw Error(toCp1250(QStringLiteral("Cannot create folder \"%1\". %2")
                                 .arg(QDir::toNativeSeparators(done),
                                      QString::fromLocal8Bit(std::strerror(error)))));
    }
}

} // namespace platform
