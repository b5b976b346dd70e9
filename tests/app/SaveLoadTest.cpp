// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/FieldKinds.h"
#include "controls/NumEdit.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/TestHooks.h"
#include "support/ModalAnswerer.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace app;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class SaveAndLoad : public ::testing::Test {
protected:
    QTemporaryDir folder;
    Forms forms = CreateForms();
    TForm1& w = *forms.form1;
    ModalAnswerer dialogs;

    void SetUp() override { w.SetSaveFolder(folder.path()); }

    // The commands as the menu runs them: a failure becomes the standard error report.
    void save() { w.Kitltsmentse1->trigger(); }
    void load() { w.Kitltttrlapbetltse1->trigger(); }

    void saveWith(const QString& passphrase) {
        dialogs.then(ModalAnswerer::typeAndAccept(passphrase));
        save();
    }
    void loadWith(const QString& passphrase) {
        dialogs.then(ModalAnswerer::typeAndAccept(passphrase));
        load();
    }

    QByteArray saveFile() const {
        QFile f(w.SaveFilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeSaveFile(const QByteArray& bytes) const {
        QFile f(w.SaveFilePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    void fill() {
        w.Edit1->setText(u("Minta Kft."));
        w.Edit2->setText(u("Fő utca 1."));
        w.Edit3->setText(u("Kiss Anna"));
        w.Edit6->setText(u(""));
        w.NumEdit1->setText(u("123 456"));
    }
    void scribble() {
        for (controls::TEdit* e : {w.Edit1, w.Edit2, w.Edit3, w.Edit6})
            e->setText(u("más"));
        w.NumEdit1->setText(u("9"));
    }
    const ModalAnswerer::Seen& lastDialog() const { return dialogs.seen().back(); }
};

} // namespace

TEST_F(SaveAndLoad, TheFormSurvivesSaveAndLoadWithItsPassphrase) {
    fill();
    saveWith(u("Titok ő 1"));
    ASSERT_EQ(dialogs.seen().size(), 1u); // the question only: nothing is shown afterwards
    EXPECT_EQ(dialogs.seen()[0].title, u("Kérek egy jelszót!"));
    EXPECT_TRUE(
        dialogs.seen()[0].text.contains(u("A jelszó a későbbi visszatöltésnél kell majd:")));

    const QByteArray file = saveFile();
    EXPECT_FALSE(file.isEmpty());
    EXPECT_FALSE(file.contains('\n') || file.contains('\r'));    // one line, no line break
    EXPECT_EQ(QFile::permissions(w.SaveFilePath()) & 0x0077, 0); // personal data: owner only

    scribble();
    loadWith(u("Titok ő 1"));
    ASSERT_EQ(dialogs.seen().size(), 2u);
    EXPECT_EQ(lastDialog().title, u("Jelszóellenőrzés"));
    EXPECT_EQ(w.Edit1->text(), u("Minta Kft."));
    EXPECT_EQ(w.Edit2->text(), u("Fő utca 1."));
    EXPECT_EQ(w.Edit3->text(), u("Kiss Anna"));
    EXPECT_EQ(w.NumEdit1->text(), u("123 456"));
    EXPECT_EQ(w.Edit6->text(), u("más")); // saved empty: no line, keeps its text
}

TEST_F(SaveAndLoad, AWrongEmptyOrOtherCasePassphraseShowsTheMessageAndChangesNothing) {
    fill();
    saveWith(u("Titok"));
    scribble();
    for (const QString& wrong : {u("titok"), u("Titok "), u("")}) {
        loadWith(wrong);
        EXPECT_EQ(lastDialog().text, u("Hibás jelszó!           ."));
        EXPECT_EQ(lastDialog().title, u("Információ"));
        EXPECT_EQ(w.Edit1->text(), u("más"));
    }
    // A cancelled question goes on with the empty pass phrase.
    dialogs.then(ModalAnswerer::reject());
    load();
    EXPECT_EQ(lastDialog().text, u("Hibás jelszó!           ."));
}

TEST_F(SaveAndLoad, WithoutASaveFileLoadAsksFirstThenSaysThereIsNone) {
    loadWith(u("bármi"));
    ASSERT_EQ(dialogs.seen().size(), 2u);
    EXPECT_EQ(dialogs.seen()[0].title, u("Jelszóellenőrzés"));
    EXPECT_EQ(dialogs.seen()[1].text, u("Nincs mentés!           ."));
    EXPECT_EQ(w.Edit1->text(), u("-"));
}

TEST_F(SaveAndLoad, ACancelledOrEmptySaveKeepsTheOldFileAndShowsNothing) {
    fill();
    saveWith(u("első"));
    const QByteArray first = saveFile();
    dialogs.then(ModalAnswerer::reject());
    save();
    saveWith(u(""));
    EXPECT_EQ(dialogs.seen().size(), 3u);
    EXPECT_EQ(saveFile(), first);
}

TEST_F(SaveAndLoad, SavingTwiceKeepsOnlyTheSecond) {
    fill();
    saveWith(u("első"));
    w.Edit1->setText(u("Második Kft."));
    saveWith(u("második"));
    scribble();
    loadWith(u("első"));
    EXPECT_EQ(lastDialog().text, u("Hibás jelszó!           ."));
    loadWith(u("második"));
    EXPECT_EQ(w.Edit1->text(), u("Második Kft."));
}

TEST_F(SaveAndLoad, DamagedFilesGiveTheStandardErrorReport) {
    const struct {
        QByteArray content;
        QString report;
    } cases[] = {
        {QByteArray(), u("Invalid file format.")},
        {QByteArray("AAAA"), u("Invalid file format.")},
        {QByteArray("AAAA AAAA"), u("Invalid Base64 Character.")},
        {QByteArray("AAAA\r\nAAAA"), u("Invalid Base64 Character.")},
    };
    for (const auto& c : cases) {
        writeSaveFile(c.content);
        loadWith(u("x"));
        EXPECT_EQ(lastDialog().title, u("KF2718"));
        EXPECT_EQ(lastDialog().text, c.report);
        EXPECT_EQ(w.Edit1->text(), u("-"));
    }
}

// Right pass phrase, but a form text that Save could not have written: refused before any field is
// set. Only a damaged first block reads as a wrong pass phrase.
TEST_F(SaveAndLoad, ADamagedSaveIsRefusedWithoutTouchingAField) {
    w.RijndaelCipher1.SetKeyFromPassphrase("titok");
    const std::string good = platform::fromUtf8(
        "hegymászó\r\nEdit1_Új Kft.\r\nEdit3_Kis Anna\r\nNumEdit1_0\r\nNumEdit2_0\r\n");
    for (const std::string& damaged :
         {platform::fromUtf8(
              "hegymászó\r\nEdit3_Kis Anna\r\nEdit1_Új Kft.\r\nNumEdit1_0\r\nNumEdit2_0\r\n"),
          platform::fromUtf8(
              "hegymászó\r\nEdit1_Új Kft.\r\nEdit3_Kis\x1B Anna\r\nNumEdit1_0\r\nNumEdit2_0\r\n"),
          platform::fromUtf8(
              "hegymászó\r\nEdit1_Új Kft.\r\nEdit3_Kis Anna\r\nNumEdit1_0\r\nNumEdit2_0")}) {
        writeSaveFile(QByteArray::fromStdString(w.RijndaelCipher1.EncryptText(damaged)));
        loadWith(u("titok"));
        EXPECT_EQ(lastDialog().text, u("A mentés sérült, nem tölthető be."));
        EXPECT_EQ(lastDialog().title, u("Információ"));
        EXPECT_EQ(w.Edit1->text(), u("-"));
    }
    QByteArray saved = QByteArray::fromStdString(w.RijndaelCipher1.EncryptText(good));
    saved[40] = saved[40] == 'A' ? 'B' : 'A'; // the third block
    writeSaveFile(saved);
    loadWith(u("titok"));
    EXPECT_EQ(lastDialog().text, u("A mentés sérült, nem tölthető be."));
    saved[2] = saved[2] == 'A' ? 'B' : 'A'; // the first block as well
    writeSaveFile(saved);
    loadWith(u("titok"));
    EXPECT_EQ(lastDialog().text, u("Hibás jelszó!           ."));
    EXPECT_EQ(w.Edit1->text(), u("-"));
}

// The save file is read only when it is a regular file of a save's size: a named pipe must not
// hang the window, a device not flood it.
TEST_F(SaveAndLoad, OnlyARegularFileOfASavesSizeIsRead) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(w.SaveFilePath()).constData(), 0600), 0);
    loadWith(u("titok"));
    EXPECT_TRUE(lastDialog().text.contains(u("It is not a regular file")))
        << lastDialog().text.toStdString();
    QFile::remove(w.SaveFilePath());
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), w.SaveFilePath()));
    loadWith(u("titok"));
    EXPECT_TRUE(lastDialog().text.contains(u("It is not a regular file")))
        << lastDialog().text.toStdString();
    QFile::remove(w.SaveFilePath());
    writeSaveFile(QByteArray(2 << 20, 'A'));
    loadWith(u("titok"));
    EXPECT_TRUE(lastDialog().text.contains(u("It is larger than")))
        << lastDialog().text.toStdString();
    EXPECT_EQ(lastDialog().title, u("KF2718"));
    EXPECT_EQ(w.Edit1->text(), u("-"));
}

// A save file that is a link to the user's own copy elsewhere stays a link, and the copy is what
// the save replaces.
TEST_F(SaveAndLoad, ASaveThroughASymbolicLinkReplacesItsTarget) {
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("igazolas.txt");
    ASSERT_TRUE(QFile::link(target, w.SaveFilePath())); // dangling until the first save
    fill();
    saveWith(u("titok"));
    ASSERT_EQ(dialogs.seen().size(), 1u) << lastDialog().text.toStdString();
    EXPECT_TRUE(QFileInfo(w.SaveFilePath()).isSymLink());
    EXPECT_TRUE(QFileInfo(target).isFile());
    const QByteArray first = saveFile();
    w.Edit1->setText(u("Második Kft."));
    saveWith(u("titok"));
    EXPECT_TRUE(QFileInfo(w.SaveFilePath()).isSymLink());
    EXPECT_NE(saveFile(), first);
    scribble();
    loadWith(u("titok"));
    EXPECT_EQ(w.Edit1->text(), u("Második Kft."));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(SaveAndLoad, AFinalLineBreakAddedByAnEditorIsIgnored) {
    fill();
    saveWith(u("titok"));
    writeSaveFile(saveFile() + "\r\n");
    scribble();
    loadWith(u("titok"));
    EXPECT_EQ(w.Edit1->text(), u("Minta Kft."));
}

TEST_F(SaveAndLoad, AConversionErrorKeepsTheLinesBeforeIt) {
    auto* radio = new controls::TUiRadioGroup(&w);
    radio->setObjectName("Radio1");
    radio->Items = {"a", "b"};
    w.AddComponent(radio);
    auto* after = new controls::TEdit(&w);
    after->setObjectName("Edit8");
    w.AddComponent(after);
    after->setText(u("Kossuth tér 2."));
    fill();
    saveWith(u("titok"));
    // The same form with a radio value that is not a number, written under the same pass phrase.
    w.RijndaelCipher1.SetKeyFromPassphrase("titok");
    const std::string text = platform::fromUtf8(
        "hegymászó\r\nEdit1_Új Kft.\r\nNumEdit1_0\r\nNumEdit2_0\r\nRadio1_x\r\nEdit8_y\r\n");
    writeSaveFile(QByteArray::fromStdString(w.RijndaelCipher1.EncryptText(text)));
    loadWith(u("titok"));
    EXPECT_EQ(lastDialog().text, u("'x' is not a valid integer value."));
    EXPECT_EQ(w.Edit1->text(), u("Új Kft."));
    EXPECT_EQ(after->text(), u("Kossuth tér 2."));
}

TEST_F(SaveAndLoad, AFailedWriteLeavesThePreviousSaveLoadable) {
    fill();
    saveWith(u("régi"));
    const QByteArray old = saveFile();
    for (const platform::WriteStep failing :
         {platform::WriteStep::Open, platform::WriteStep::Write, platform::WriteStep::Sync,
          platform::WriteStep::Rename}) {
        platform::setWriteFaultHook(
            [failing](platform::WriteStep s) { return s == failing ? 28 : 0; });
        w.Edit1->setText(u("Új Kft."));
        saveWith(u("új"));
        platform::setWriteFaultHook({});
        EXPECT_EQ(lastDialog().title, u("KF2718"));
        EXPECT_TRUE(lastDialog().text.startsWith(u("Cannot create file")))
            << lastDialog().text.toStdString();
        EXPECT_EQ(saveFile(), old);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                  1); // no leftovers
    }
    scribble();
    loadWith(u("régi"));
    EXPECT_EQ(w.Edit1->text(), u("Minta Kft."));
}

// A first Save into the user's data folder finds it missing: it is made, for the owner only.
TEST_F(SaveAndLoad, ASaveIntoAMissingFolderMakesItPrivateAndAFileInTheWayIsReported) {
    w.SetSaveFolder(folder.filePath("share/kf2718"));
    fill();
    saveWith(u("titok"));
    ASSERT_EQ(dialogs.seen().size(), 1u) << lastDialog().text.toStdString();
    for (const char* made : {"share", "share/kf2718"})
        EXPECT_EQ(QFile::permissions(folder.filePath(made)), QFile::ReadOwner | QFile::WriteOwner |
                                                                 QFile::ExeOwner | QFile::ReadUser |
                                                                 QFile::WriteUser | QFile::ExeUser)
            << made;
    scribble();
    loadWith(u("titok"));
    EXPECT_EQ(w.Edit1->text(), u("Minta Kft."));

    QFile inTheWay(folder.filePath("fájl"));
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    w.SetSaveFolder(folder.filePath("fájl/kf2718"));
    saveWith(u("titok"));
    EXPECT_TRUE(lastDialog().text.startsWith(u("Cannot create folder")))
        << lastDialog().text.toStdString();
    EXPECT_EQ(lastDialog().title, u("KF2718"));
}
