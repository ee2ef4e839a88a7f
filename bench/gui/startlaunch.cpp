// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Runs a start-up probe N times (after one unmeasured warm-up run) and prints the medians of its
// figures. Usage: startlaunch N PROBE
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Sample
{
    long long launchUs = -1;
    long long mainUs = -1;
    long long vmhwmKb = -1;
};

bool RunOnce(const char *probe, Sample &sample)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char *argv[] = { const_cast<char *>(probe), nullptr };

    // Stamp as late as possible: the probe subtracts this from its first-frame clock.
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    setenv("SOMATRA_LAUNCH_NS", std::to_string(now.tv_sec * 1000000000LL + now.tv_nsec).c_str(), 1);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return false;
    }
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, std::size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0
        && std::sscanf(output.c_str(), "launch_us=%lld main_us=%lld vmhwm_kb=%lld", &sample.launchUs,
               &sample.mainUs, &sample.vmhwmKb)
        == 3;
}

long long Median(std::vector<long long> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s N PROBE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<long long> launch, fromMain, rss;
    Sample sample;
    if (!RunOnce(argv[2], sample)) {
        std::fprintf(stderr, "%s failed\n", argv[2]);
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        if (!RunOnce(argv[2], sample)) {
            std::fprintf(stderr, "%s failed\n", argv[2]);
            return 1;
        }
        launch.push_back(sample.launchUs);
        fromMain.push_back(sample.mainUs);
        rss.push_back(sample.vmhwmKb);
    }
    std::printf("launch_us=%lld main_us=%lld vmhwm_kb=%lld runs=%d\n", Median(launch), Median(fromMain),
        Median(rss), runs);
    return 0;
}
