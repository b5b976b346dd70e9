// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-process benchmarks, each against its baseline in the same run:
//   - exporting the filled certificate with kf2718 --pdf vs an office suite converting an
//     equivalent one-page document (bench/make_certificate_fodt.py) to PDF;
//   - kf2718 started until its window is shown vs a bare Qt Widgets window.
// Times are wall-clock, from spawning the process to reaping it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Runs the command in this process's environment; false when it could not run or failed.
bool runProcess(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void timeProcess(benchmark::State& state, const std::vector<std::string>& command) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = runProcess(command);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (!ok) {
            state.SkipWithError(("could not run " + command.front()).c_str());
            return;
        }
        state.SetIterationTime(elapsed.count());
    }
}

const std::string workFolder = [] {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp ? tmp : "/tmp");
}();

void BM_Kf2718Pdf(benchmark::State& state) {
    timeProcess(state,
                {KF2718_PROGRAM, "--field", "Edit1=Minta Kft.", "--field", "Edit2=Fő utca 1.",
                 "--field", "Edit3=Kiss Anna", "--field", "Edit4=könyvelő", "--field",
                 "Edit5=2001. március 1.", "--field", "Edit7=Kossuth tér 2.", "--field",
                 "NumEdit1=123 456", "--pdf", workFolder + "/kf2718-bench.pdf"});
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

} // namespace

BENCHMARK(BM_Kf2718Pdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_OfficePdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Kf2718WindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_MinimalWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
