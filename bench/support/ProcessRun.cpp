#include "bench/support/ProcessRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

extern char** environ;

namespace fv::bench {

namespace {

using Clock = std::chrono::steady_clock;

double ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

}  // namespace

bool ProcessRun::ok() const {
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ProcessRun runProcess(std::vector<std::string> args, bool peakThroughTime) {
    ProcessRun run;
    const std::string peakFile =
        (std::filesystem::temp_directory_path() / ("fv-bench-peak-" + std::to_string(getpid()))).string();
    if (peakThroughTime) args.insert(args.begin(), {"/usr/bin/time", "-f", "%M", "-o", peakFile});
    int pipeFds[2];
    if (args.empty() || pipe(pipeFds) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const auto start = Clock::now();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return run;
    }
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    rusage usage{};
    if (wait4(pid, &run.status, 0, &usage) != pid) run.status = -1;
    run.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    run.peakKiB = usage.ru_maxrss;
    if (peakThroughTime) {
        if (FILE* f = std::fopen(peakFile.c_str(), "r")) {
            if (std::fscanf(f, "%ld", &run.peakKiB) != 1) run.peakKiB = 0;
            std::fclose(f);
        }
        std::remove(peakFile.c_str());
    }
    return run;
}

}  // namespace fv::bench
