// SPDX-License-Identifier: GPL-3.0-or-later
// Save and Load of a filled certificate, each against the bare file operation it is built on:
// Save (form text, key derivation, encryption, a synced write and a rename) against writing and
// syncing the same number of bytes; Load (read, decryption, restore) against reading them.
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "platform/Files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QTemporaryDir folder;
    app::Forms forms = app::CreateForms();
    app::TForm1& window = *forms.form1;

    Fixture() {
        window.SetSaveFolder(folder.path());
        window.Edit1->setText(QString::fromUtf8("Tölgyesvárhelyi Vízmű és Csatornamű Kft."));
        window.Edit2->setText(QString::fromUtf8("Tölgyesvárhely, Fő utca 1."));
        window.Edit3->setText(QString::fromUtf8("Kiss Anna"));
        window.Edit4->setText(QString::fromUtf8("könyvelő"));
        window.Edit5->setText(QString::fromUtf8("2001. március 1."));
        window.Edit6->setText(QString::fromUtf8("Nagy Anna"));
        window.Edit7->setText(QString::fromUtf8("Tölgyesvárhely, Kossuth tér 2."));
        window.NumEdit1->setText(QStringLiteral("123 456"));
        window.ComposeFormText();
        window.SaveFormText(window.SaveFilePath(), "titok");
    }
    // Made once and never destroyed: its windows must not outlive the application object.
    static Fixture& get() {
        static Fixture& fixture = *new Fixture;
        return fixture;
    }
};

void BM_Save(benchmark::State& state) {
    Fixture& f = Fixture::get();
    for (auto _ : state) {
        f.window.ComposeFormText();
        f.window.SaveFormText(f.window.SaveFilePath(), "titok");
    }
}

void BM_SyncedWriteOfTheSameSize(benchmark::State& state) {
    Fixture& f = Fixture::get();
    const std::string bytes(static_cast<size_t>(QFile(f.window.SaveFilePath()).size()), 'A');
    const QString path = QDir(f.folder.path()).filePath(QStringLiteral("plain.txt"));
    for (auto _ : state)
        platform::writeFileAtomically(path, bytes);
}

void BM_Load(benchmark::State& state) {
    Fixture& f = Fixture::get();
    for (auto _ : state)
        benchmark::DoNotOptimize(f.window.LoadFormFile(f.window.SaveFilePath(), "titok"));
}

void BM_ReadOfTheSameFile(benchmark::State& state) {
    Fixture& f = Fixture::get();
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::readWholeFile(f.window.SaveFilePath()));
}

} // namespace

BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SyncedWriteOfTheSameSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadOfTheSameFile)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
