// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-process benchmarks, each against its baseline in the same run:
//   - exporting the filled certificate with kf2718 --pdf vs an office suite converting an
//     equivalent one-page document (bench/make_certificate_fodt.py) to PDF, and vs a bare Qt
//     program writing the same page with QPdfWriter (bare_pdf), peak memory too;
//   - kf2718 started until its window is shown vs a bare Qt Widgets window;
//   - a bare Qt window painting the certificate's page (the Print benchmark's baseline as a
//     program of its own);
//   - kf2718 --help vs /bin/true: process start and dynamic loading alone.
// Times are wall-clock, from spawning the process to reaping it.
#include "bench/FilledCertificate.h"
#include "bench/ProcessRun.h"

#include "app/Startup.h"
#include "platform/FontSubstitutes.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>

namespace {

const std::string workFolder = bench::workFolder();
const std::string barePage = workFolder + "/kf2718-bench-page.txt";
const std::string barePageAt100 = workFolder + "/kf2718-bench-page-96dpi.txt";

// Times the command through peak_memory, which also reports its peak memory.
void timeProcess(benchmark::State& state, const std::vector<std::string>& command) {
    const std::string result = workFolder + "/kf2718-bench-run.txt";
    std::vector<std::string> measured = {PEAK_MEMORY_PROGRAM, result};
    measured.insert(measured.end(), command.begin(), command.end());
    long peak = 0;
    for (auto _ : state) {
        double seconds = 0;
        long kib = 0;
        std::ifstream in;
        if (bench::runProcess(measured).ok)
            in.open(result);
        if (!(in >> seconds >> kib)) {
            state.SkipWithError(("could not run " + command.front()).c_str());
            return;
        }
        peak = std::max(peak, kib);
        state.SetIterationTime(seconds);
    }
    state.counters["peak_rss_kib"] = static_cast<double>(peak);
}

void BM_Kf2718Pdf(benchmark::State& state) {
    std::vector<std::string> command = {KF2718_PROGRAM};
    for (const std::string& a : bench::certificateFieldArguments())
        command.push_back(a);
    command.push_back("--pdf");
    command.push_back(workFolder + "/kf2718-bench.pdf");
    timeProcess(state, command);
}

void BM_BarePdf(benchmark::State& state) {
    timeProcess(state, {BARE_PDF_PROGRAM, barePage, workFolder + "/kf2718-bench-bare.pdf"});
}

void BM_OfficePdf(benchmark::State& state) {
    const char* document = std::getenv("KF_BENCH_FODT");
    if (!document) {
        state.SkipWithError("KF_BENCH_FODT names no document (bench/run.sh makes one)");
        return;
    }
    timeProcess(state, {"soffice", "--headless", "--norestore",
                        "-env:UserInstallation=file://" + workFolder + "/kf2718-bench-office",
                        "--convert-to", "pdf", "--outdir", workFolder, document});
}

void BM_Kf2718WindowShown(benchmark::State& state) {
    timeProcess(state, {KF2718_PROGRAM, "--quit-when-shown"});
}

void BM_MinimalWindowShown(benchmark::State& state) {
    timeProcess(state, {MINIMAL_WINDOW_PROGRAM, "--quit-when-shown"});
}

void BM_BarePageWindowShown(benchmark::State& state) {
    timeProcess(state, {BARE_PAGE_WINDOW_PROGRAM, barePageAt100, "--quit-when-shown"});
}

void BM_Kf2718Help(benchmark::State& state) {
    timeProcess(state, {KF2718_PROGRAM, "--help"});
}

void BM_True(benchmark::State& state) {
    timeProcess(state, {"/bin/true"});
}

} // namespace

BENCHMARK(BM_Kf2718Pdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_BarePdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_OfficePdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Kf2718WindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_MinimalWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_BarePageWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Kf2718Help)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_True)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
    // The bare programs draw the program's own page, recorded here once at the export's resolution
    // and at 100 %.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    {
        QApplication application(argc, argv);
        platform::installFontSubstitutes();
        app::Forms forms = app::CreateForms();
        bench::fillCertificateWindow(*forms.form1);
        for (const auto& [dpi, file] : {std::pair(600, barePage), std::pair(96, barePageAt100)})
            if (!bench::recordCertificatePage(*forms.form1, dpi)
                     .write(QString::fromStdString(file)))
                return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
