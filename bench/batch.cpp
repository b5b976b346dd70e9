// SPDX-License-Identifier: GPL-3.0-or-later
// Many certificates at once, whole processes: one kf2718 --batch process writing N rows into one
// PDF (N = 100, 1 000, 10 000) against 1 000 separate kf2718 --pdf processes of the same rows, in
// the same run. Counters: time per certificate, PDF bytes per page, the process's peak memory.
#include "bench/ProcessRun.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

using bench::runProcess;
const std::string workFolder = bench::workFolder();

// Row i of the payroll table: every field filled, names and amounts differing from row to row.
struct Row {
    std::string name, address, position, since, income;
};
Row row(int i) {
    return {"Dolgozó " + std::to_string(i) + " Éva",
            std::to_string(1000 + i % 9000) + " Fő utca " + std::to_string(i % 200 + 1) + ".",
            i % 2 ? "könyvelő" : "raktáros", "2001. március 1.", std::to_string(150000 + i)};
}

std::string writeTable(int rows) {
    const std::string path = workFolder + "/kf2718-bench-" + std::to_string(rows) + ".csv";
    std::ofstream out(path);
    out << "munkáltató neve;munkáltató címe;munkavállaló neve;munkavállaló címe;beosztás;"
           "mióta áll alkalmazásban;nettó jövedelem átlaga\n";
    for (int i = 0; i < rows; ++i) {
        const Row r = row(i);
        out << "Minta Kft.;Fő utca 1.;" << r.name << ';' << r.address << ';' << r.position << ';'
            << r.since << ';' << r.income << '\n';
    }
    return path;
}

long fileSize(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : 0;
}

void BM_BatchPdf(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string table = writeTable(rows);
    const std::string pdf = workFolder + "/kf2718-bench-batch.pdf";
    long peak = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bench::ProcessRun run = runProcess({KF2718_PROGRAM, "--batch", table, "--pdf", pdf});
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (!run.ok) {
            state.SkipWithError("kf2718 --batch failed");
            return;
        }
        peak = run.peakKiB;
        state.SetIterationTime(elapsed.count());
        state.counters["us_per_page"] = elapsed.count() * 1e6 / rows;
    }
    state.counters["pdf_bytes"] = static_cast<double>(fileSize(pdf));
    state.counters["peak_rss_kib"] = static_cast<double>(peak);
    std::remove(table.c_str());
}

void BM_SeparatePdfs(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string pdf = workFolder + "/kf2718-bench-one.pdf";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rows; ++i) {
            const Row r = row(i);
            if (!runProcess({KF2718_PROGRAM, "--field", "Edit1=Minta Kft.", "--field",
                             "Edit2=Fő utca 1.", "--field", "Edit3=" + r.name, "--field",
                             "Edit7=" + r.address, "--field", "Edit4=" + r.position, "--field",
                             "Edit5=" + r.since, "--field", "NumEdit1=" + r.income, "--pdf", pdf})
                     .ok) {
                state.SkipWithError("kf2718 --pdf failed");
                return;
            }
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        state.counters["us_per_page"] = elapsed.count() * 1e6 / rows;
    }
}

} // namespace

BENCHMARK(BM_BatchPdf)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_SeparatePdfs)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK_MAIN();
