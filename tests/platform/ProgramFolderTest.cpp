// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"
#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/kf2718";
}

} // namespace

// An unpacked copy or a build tree keeps its save beside the program; an installed program,
// whose folder is the system's, keeps it in the user's data folder even when run by root.
TEST(SaveFolder, BesideAWritableProgramElseInTheUsersDataFolder) {
    QTemporaryDir unpacked;
    EXPECT_EQ(saveFolderFor(unpacked.path()), unpacked.path());
    for (const char* installed : {"/usr/bin", "/usr/local/bin", "/usr/lib/kf2718", "/usr"})
        EXPECT_EQ(saveFolderFor(QString::fromLatin1(installed)), dataFolder()) << installed;
    EXPECT_EQ(saveFolderFor(unpacked.filePath("nincs")), dataFolder());
}

TEST(SaveFolder, CreatesOnlyTheMissingFoldersForTheOwnerAlone) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir("shared"));
    const auto shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                        QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup |
                        QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(root.filePath("shared"), shared));

    createPrivateFolder(root.filePath("shared/a/b"));
    createPrivateFolder(root.filePath("shared/a/b")); // again: nothing to do
    EXPECT_EQ(QFile::permissions(root.filePath("shared")), shared);
    for (const char* made : {"shared/a", "shared/a/b"})
        EXPECT_EQ(QFile::permissions(root.filePath(made)) & 0x0077, 0) << made;
    EXPECT_TRUE(QFileInfo(root.filePath("shared/a/b")).isDir());
}

TEST(SaveFolder, AFileInTheFolderPathIsReported) {
    QTemporaryDir root;
    QFile file(root.filePath("mentes"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    try {
        createPrivateFolder(root.filePath("mentes/kf2718"));
        FAIL() << "no error";
    } catch (const Error& e) {
        // The reason is the system's, in the user's language.
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create folder \"" +
                                                  root.filePath("mentes").toStdString() + "\". ",
                                              0),
                  0u)
            << e.what();
    }
}
