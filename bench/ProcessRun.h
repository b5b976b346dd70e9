// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-process benchmarks: a command run from spawning to reaping, its output thrown away.
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace bench {

struct ProcessRun {
    bool ok = false;  // it ran and exited with status 0
    long peakKiB = 0; // its peak resident memory (ru_maxrss)
};

// Runs the command in this process's environment.
inline ProcessRun runProcess(const std::vector<std::string>& command) {
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
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, usage.ru_maxrss};
}

// The folder for the benchmarks' files.
inline std::string workFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp ? tmp : "/tmp";
}

} // namespace bench
