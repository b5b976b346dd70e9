// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file that has no name in any folder, for the owner only: it vanishes with the process however
// the process ends, killed included, so a half-written save or a certificate's print data is never
// left behind. This process's own code and libraries reach it by path() ("/proc/self/fd/N").
#include <QByteArray>
#include <QString>

namespace platform {

class UnnamedFile {
public:
    // In folder (so that it can be given a name there later, on the same file system). isOpen()
    // tells whether that worked; errno says why not.
    explicit UnnamedFile(const QString& folder);
    // Closes the file; unless it was given a name, its bytes are gone.
    ~UnnamedFile();
    UnnamedFile(const UnnamedFile&) = delete;
    UnnamedFile& operator=(const UnnamedFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int descriptor() const { return fd_; }
    QString path() const;

    // Gives the file a name, which must not exist yet. False with errno set when it cannot.
    bool linkAs(const QString& name) const;

private:
    int fd_ = -1;
    QByteArray fallbackName_; // only where the file system has no unnamed files
};

} // namespace platform
