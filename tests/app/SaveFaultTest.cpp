// SPDX-License-Identifier: GPL-3.0-or-later
// Save and Load under faults: a save killed at any point, a disk that fills up, and damaged save
// files. Whatever happens, the previous save must still load with its pass phrase.
#include "app/CertificateWindow.h"
#include "app/LineBufferWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "controls/RichEdit.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class SaveFaults : public ::testing::Test {
protected:
    QTemporaryDir folder;
    app::Forms forms = app::CreateForms();
    app::TForm1& w = *forms.form1;

    void saveInProcess(const QString& employer, const char* passphrase) {
        w.Edit1->setText(employer);
        w.ComposeFormText();
        w.SaveFormText(w.SaveFilePath(), platform::fromUtf8(passphrase));
    }
    void SetUp() override {
        w.SetSaveFolder(folder.path());
        saveInProcess(u("Régi Kft."), "régi jelszó");
    }

    // The employer's name that the save file gives with the pass phrase, or why it gives none.
    QString loadedEmployer(const char* passphrase) {
        w.Edit1->setText(u("?"));
        try {
            switch (w.LoadFormFile(w.SaveFilePath(), platform::fromUtf8(passphrase))) {
            case app::TForm1::LoadResult::Loaded:
                return w.Edit1->text();
            case app::TForm1::LoadResult::NoSaveFile:
                return u("<no file>");
            case app::TForm1::LoadResult::WrongPassphrase:
                return u("<wrong pass phrase>");
            case app::TForm1::LoadResult::Damaged:
                return u("<damaged>");
            }
        } catch (const platform::Error& e) {
            return u("<error: ") + platform::toUnicode(e.what()) + u(">");
        }
        return {};
    }

    QProcess* startChild(const QStringList& arguments, std::function<void()> modifier = {}) {
        auto* child = new QProcess;
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (modifier)
            child->setChildProcessModifier(modifier);
        child->start(QStringLiteral(SAVE_CHILD_PROGRAM), arguments);
        EXPECT_TRUE(child->waitForStarted());
        return child;
    }
    // Runs the child to its end: its exit status, or -1 when a signal ended it.
    int runChild(const QStringList& arguments, std::function<void()> modifier = {}) {
        std::unique_ptr<QProcess> child(startChild(arguments, std::move(modifier)));
        EXPECT_TRUE(child->waitForFinished(60000));
        return child->exitStatus() == QProcess::NormalExit ? child->exitCode() : -1;
    }
};

} // namespace

TEST_F(SaveFaults, ASaveKilledBeforeAnyStepLeavesThePreviousSave) {
    for (const char* step : {"open", "write", "sync", "rename"}) {
        EXPECT_EQ(runChild({folder.path(), "új jelszó", u("Új Kft."), "1", step}), -1) << step;
        EXPECT_EQ(loadedEmployer("régi jelszó"), u("Régi Kft.")) << step;
    }
    // Without a fault the same child replaces the save.
    EXPECT_EQ(runChild({folder.path(), "új jelszó", u("Új Kft.")}), 0);
    EXPECT_EQ(loadedEmployer("új jelszó"), u("Új Kft."));
}

TEST_F(SaveFaults, ASaveKilledAtAnyMomentLeavesAWholeSave) {
    // A child saves over and over under the same pass phrase; killed at random moments, the file
    // it leaves always loads, holding one of the names it saved.
    QRandomGenerator random(2718);
    for (int round = 0; round < 12; ++round) {
        std::unique_ptr<QProcess> child(
            startChild({folder.path(), "régi jelszó", u("Név"), "100000"}));
        QThread::msleep(60 + random.bounded(120));
        child->kill();
        child->waitForFinished();
        const QString employer = loadedEmployer("régi jelszó");
        EXPECT_TRUE(employer == u("Régi Kft.") || employer.startsWith(u("Név")))
            << "round " << round << ": " << employer.toStdString();
        // The new save is written unnamed: killed before it was whole, it leaves nothing behind.
        // Only between naming the whole file and renaming it over the old one can a kill leave it.
        const QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_TRUE(files == QStringList{u("KF2718.txt")} ||
                    (files.size() == 2 && files[0].startsWith(u(".KF2718.txt."))))
            << files.join(' ').toStdString();
    }
    // ... and the next save removes it.
    saveInProcess(u("Új Kft."), "régi jelszó");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u("KF2718.txt")});
}

// Earlier versions wrote the new save under a hidden name first; one killed then left it behind.
TEST_F(SaveFaults, TheNextSaveRemovesWhatAKilledEarlierSaveLeftBehind) {
    for (const char* name : {".KF2718.txt.a1B2c3", ".KF2718.txt.zzzzzz"}) {
        QFile leftover(folder.filePath(name));
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    }
    QFile other(folder.filePath(".KF2718.txt.not-ours"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    saveInProcess(u("Új Kft."), "új jelszó");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u(".KF2718.txt.not-ours"), u("KF2718.txt")}));
}

TEST_F(SaveFaults, AFileSizeLimitMakesTheSaveFailAndKeepsThePreviousOne) {
    const QString longName(20000, QChar('x'));
    const int status = runChild({folder.path(), "új jelszó", longName}, [] {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of a signal
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(loadedEmployer("régi jelszó"), u("Régi Kft."));
}

TEST_F(SaveFaults, AFullDiskMakesTheSaveFailAndKeepsThePreviousOne) {
    QTemporaryDir disk;
    if (::mount("tmpfs", QFile::encodeName(disk.path()).constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here (needs root)";
    w.SetSaveFolder(disk.path());
    saveInProcess(u("Régi Kft."), "régi jelszó");
    EXPECT_EQ(runChild({disk.path(), "új jelszó", QString(40000, QChar('y'))}), 1);
    EXPECT_EQ(loadedEmployer("régi jelszó"), u("Régi Kft."));
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no leftovers
    ::umount(QFile::encodeName(disk.path()).constData());
}

namespace {

// A copy of a save file damaged in one of the ways a disk, a copy or an editor damages files: a bit
// flipped, a Base64 character replaced by another one, the file cut short, a character inserted or
// a few removed (kinds 0 to 4); or whole cipher blocks swapped, duplicated or dropped (5 to 7).
constexpr int kByteDamages = 5, kDamages = 8;
QByteArray damagedCopy(const QByteArray& good, int kind, QRandomGenerator& random) {
    static const QByteArray alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray damaged = good;
    const auto at = [&](qsizetype size) { return static_cast<qsizetype>(random.bounded(size)); };
    QByteArray bytes = QByteArray::fromBase64(good);
    const qsizetype blocks = bytes.size() / 16;
    const qsizetype a = at(blocks);
    qsizetype b = at(blocks - 1);
    b += b >= a ? 1 : 0; // another block than a
    switch (kind) {
    case 0: {
        const qsizetype i = at(good.size());
        damaged[i] = static_cast<char>(damaged[i] ^ (1 << random.bounded(8)));
        return damaged;
    }
    case 1: {
        const qsizetype i = at(good.size());
        while (damaged[i] == good[i])
            damaged[i] = alphabet[at(alphabet.size())];
        return damaged;
    }
    case 2:
        damaged.truncate(at(good.size()));
        return damaged;
    case 3:
        damaged.insert(at(good.size()), static_cast<char>(random.bounded(256)));
        return damaged;
    case 4:
        damaged.remove(at(good.size()), 1 + random.bounded(8));
        return damaged;
    case 5: {
        const QByteArray first = bytes.mid(16 * a, 16);
        bytes.replace(16 * a, 16, bytes.mid(16 * b, 16));
        bytes.replace(16 * b, 16, first);
        break;
    }
    case 6:
        bytes.insert(16 * b, bytes.mid(16 * a, 16));
        break;
    default:
        bytes.remove(16 * a, 16);
        break;
    }
    return bytes.toBase64();
}

} // namespace

// The save format has no integrity check, but what it decrypts to has a strict shape: a damaged
// file is refused with the fields untouched, or, rarely, loads meaningless text of that shape.
// Damage to the bytes leaves meaningless bytes in a block, which the shape almost always shows.
// Whole blocks moved, repeated or dropped leave well-formed lines more often (a line that fills a
// block dropped, two values joined), which the shape shows mostly where an amount's line went with
// them; of all the damaged files at most 2 % may load as another certificate.
TEST_F(SaveFaults, DamagedSaveFilesAreRefusedWithTheFieldsUntouched) {
    const std::vector<controls::TEdit*> edits = {w.Edit1, w.Edit2, w.Edit3, w.Edit4,
                                                 w.Edit5, w.Edit6, w.Edit7};
    const std::vector<QLineEdit*> fields = {w.Edit1,    w.Edit2, w.Edit3,    w.Edit4, w.Edit5,
                                            w.NumEdit1, w.Edit6, w.NumEdit2, w.Edit7};
    const auto values = [&] {
        QStringList texts;
        for (const QLineEdit* f : fields)
            texts << f->text();
        return texts;
    };
    w.Edit2->setText(u("Fő utca 1."));
    w.Edit3->setText(u("Kiss Anna"));
    w.Edit4->setText(u("könyvelő"));
    w.Edit5->setText(u("2001. március 1."));
    w.NumEdit1->setText(u("123456"));
    w.Edit7->setText(u("Kossuth tér 2."));
    saveInProcess(u("Minta Kft."), "régi jelszó");
    QFile file(w.SaveFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();
    const auto scribble = [&] {
        for (controls::TEdit* e : edits)
            e->setText(u("mező"));
        w.NumEdit1->setText(u("7"));
        w.NumEdit2->setText(u("8"));
    };
    // The certificate the undamaged file gives over scribbled fields: the saved values, and the
    // scribbles where a field was saved empty.
    scribble();
    ASSERT_EQ(w.LoadFormFile(w.SaveFilePath(), platform::fromUtf8("régi jelszó")),
              app::TForm1::LoadResult::Loaded);
    const QStringList saved = values();
    ASSERT_EQ(saved[0], u("Minta Kft."));
    ASSERT_GE(good.size() / 4 * 3 / 16, 8); // enough blocks to swap and drop

    QRandomGenerator random(1250);
    constexpr int files = 600;
    std::map<std::string, int> outcomes;
    int byteDamages = 0, otherCertificates = 0, blockDamagesLoaded = 0;
    for (int i = 0; i < files; ++i) {
        const int kind = i % kDamages;
        byteDamages += kind < kByteDamages ? 1 : 0;
        const QByteArray damaged = damagedCopy(good, kind, random);
        if (damaged == good)
            continue;
        QFile out(w.SaveFilePath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(damaged);
        out.close();

        scribble();
        const QStringList before = values();
        std::string outcome;
        try {
            switch (w.LoadFormFile(w.SaveFilePath(), platform::fromUtf8("régi jelszó"))) {
            case app::TForm1::LoadResult::Loaded:
                outcome = "loaded";
                break;
            case app::TForm1::LoadResult::WrongPassphrase:
                outcome = "wrong pass phrase";
                break;
            case app::TForm1::LoadResult::Damaged:
                outcome = "damaged";
                break;
            case app::TForm1::LoadResult::NoSaveFile:
                outcome = "no file";
                break;
            }
        } catch (const std::exception& e) { // the cipher's errors and the platform's
            outcome = e.what();
        }
        ++outcomes[outcome];
        if (outcome == "loaded") {
            if (values() != saved)
                ++(kind < kByteDamages ? otherCertificates : blockDamagesLoaded);
        } else {
            EXPECT_TRUE(outcome == "damaged" || outcome == "wrong pass phrase" ||
                        outcome == "Invalid Base64 Character" || outcome == "Invalid file format")
                << outcome;
            EXPECT_EQ(values(), before) << "fields changed although the load failed: " << outcome;
        }
    }
    std::string summary;
    for (const auto& [what, count] : outcomes)
        summary += what + ": " + std::to_string(count) + "; ";
    summary += "other certificates from damaged bytes: " + std::to_string(otherCertificates) +
               " of " + std::to_string(byteDamages) +
               ", from moved blocks: " + std::to_string(blockDamagesLoaded) + " of " +
               std::to_string(files - byteDamages);
    RecordProperty("outcomes", summary);
    std::printf("damaged save files: %s\n", summary.c_str());
    EXPECT_LE(otherCertificates, byteDamages * 2 / 100);
    EXPECT_LE(otherCertificates + blockDamagesLoaded, files * 2 / 100);
    EXPECT_EQ(outcomes.count("no file"), 0u);
}
