// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a command and writes its wall-clock time in seconds and its peak resident memory in KiB
// (ru_maxrss) to a file. A process's peak memory counts the memory of the process that started
// it when that one was larger (the kernel keeps the high-water mark across exec), so the
// benchmarks start their commands through this small program, never from their own large one.
//   peak_memory RESULT-FILE COMMAND [ARGUMENTS...]
#include <chrono>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawnp(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0)
        return 127;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    FILE* result = std::fopen(argv[1], "w");
    if (!result)
        return 1;
    std::fprintf(result, "%.9f %ld\n", elapsed.count(), usage.ru_maxrss);
    std::fclose(result);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
