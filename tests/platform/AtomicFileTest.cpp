// SPDX-License-Identifier: GPL-3.0-or-later
// Output written piece by piece replaces a file whole or not at all.
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/TestHooks.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class AtomicFile : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath("igazolasok.pdf");

    void SetUp() override { platform::writeFileAtomically(path, "old"); }
    void TearDown() override { platform::setWriteFaultHook({}); }
    QByteArray content() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(AtomicFile, ReplacesTheFileOnlyWhenCommitted) {
    {
        platform::AtomicFile file(path);
        file.Device().write("new ");
        file.Device().write("content");
        EXPECT_EQ(content(), "old"); // while it is being written, the new file has no name
        EXPECT_EQ(files(), QStringList{"igazolasok.pdf"});
        file.Commit();
    }
    EXPECT_EQ(content(), "new content");
    // Readable and writable by the owner only, as writeFileAtomically makes its files.
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    EXPECT_TRUE(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_FALSE(permissions & (QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                QFileDevice::ReadOther | QFileDevice::WriteOther));
    EXPECT_EQ(files(), QStringList{"igazolasok.pdf"});
}

TEST_F(AtomicFile, DroppedOrFailingItLeavesTheOldFileAndNothingElse) {
    {
        platform::AtomicFile file(path);
        file.Device().write("half a document");
    }
    EXPECT_EQ(content(), "old");
    EXPECT_EQ(files(), QStringList{"igazolasok.pdf"});

    platform::setWriteFaultHook(
        [](platform::WriteStep step) { return step == platform::WriteStep::Sync ? ENOSPC : 0; });
    platform::AtomicFile file(path);
    file.Device().write("a whole document");
    EXPECT_THROW(file.Commit(), platform::Error);
    EXPECT_EQ(content(), "old");
    EXPECT_EQ(files(), QStringList{"igazolasok.pdf"});
}

} // namespace

TEST_F(AtomicFile, ADocumentForTheUserFollowsTheUmask) {
    const mode_t previous = ::umask(022);
    {
        platform::AtomicFile file(path, platform::FileAccess::FollowUmask);
        file.Device().write("%PDF");
        file.Commit();
    }
    ::umask(previous);
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    EXPECT_TRUE(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ReadGroup | QFileDevice::ReadOther));
    EXPECT_FALSE(permissions & (QFileDevice::WriteGroup | QFileDevice::WriteOther));
}
