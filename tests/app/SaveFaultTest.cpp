// SPDX-License-Identifier: GPL-3.0-or-later
// Save and Load under faults: a save killed at any point, a disk that fills up, and damaged save
// files. Whatever happens, the previous save must still load with its pass phrase.
#include "app/CertificateWindow.h"
#include "app/LineBufferWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
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
    }
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

TEST_F(SaveFaults, DamagedSaveFilesEndInAMessageOrAReportOrLoadWhatTheyHold) {
    // A fuller form, so that the cipher text has many blocks.
    w.Edit2->setText(u("Fő utca 1."));
    w.Edit3->setText(u("Kiss Anna"));
    w.Edit7->setText(u("Kossuth tér 2."));
    saveInProcess(u("Régi Kft."), "régi jelszó");
    QFile file(w.SaveFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();

    QRandomGenerator random(1250);
    std::map<std::string, int> outcomes;
    for (int i = 0; i < 1000; ++i) {
        QByteArray damaged = good;
        const int at = static_cast<int>(random.bounded(good.size()));
        switch (i % 5) {
        case 0:
            damaged[at] = static_cast<char>(damaged[at] ^ (1 << random.bounded(8)));
            break;
        case 1:
            damaged[at] = static_cast<char>(random.bounded(256));
            break;
        case 2:
            damaged.truncate(at);
            break;
        case 3:
            damaged.insert(at, static_cast<char>(random.bounded(256)));
            break;
        case 4:
            damaged.remove(at, 1 + random.bounded(8));
            break;
        }
        QFile out(w.SaveFilePath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(damaged);
        out.close();

        w.Edit1->setText(u("mező"));
        w.Edit4->setText(u("mező"));
        const std::string before = platform::toCp1250(w.Edit1->text() + w.Edit4->text());
        std::string outcome;
        try {
            switch (w.LoadFormFile(w.SaveFilePath(), platform::fromUtf8("régi jelszó"))) {
            case app::TForm1::LoadResult::Loaded:
                outcome = "loaded";
                break;
            case app::TForm1::LoadResult::WrongPassphrase:
                outcome = "wrong pass phrase";
                break;
            case app::TForm1::LoadResult::NoSaveFile:
                outcome = "no file";
                break;
            }
        } catch (const std::exception& e) { // the cipher's errors and the platform's
            outcome = e.what();
        }
        ++outcomes[outcome];
        const std::string after = platform::toCp1250(w.Edit1->text() + w.Edit4->text());
        if (outcome == "loaded") {
            // The marker block survived: the fields are what the damaged file holds, and Edit4,
            // which the file has no line for, keeps its value.
            EXPECT_EQ(w.Edit4->text(), u("mező"));
        } else {
            EXPECT_TRUE(outcome == "wrong pass phrase" || outcome == "Invalid Base64 Character" ||
                        outcome == "Invalid file format")
                << outcome;
            EXPECT_EQ(after, before) << "fields changed although the load failed: " << outcome;
        }
    }
    std::string summary;
    for (const auto& [what, count] : outcomes)
        summary += what + ": " + std::to_string(count) + "; ";
    RecordProperty("outcomes", summary);
    std::printf("damaged save files: %s\n", summary.c_str());
    EXPECT_EQ(outcomes.count("no file"), 0u);
}
