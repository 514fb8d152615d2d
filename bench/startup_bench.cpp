// Start-up of the program against a bare Qt window: process start to the main
// window running (the about dialog closed at once), and peak resident memory.
//
//   startup_bench <kalmo> <bare_window> [runs]
//
// Both run offscreen; the median of the runs is reported for each, then the ratios.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds;
    long maxRssKb;
};

Run RunOnce(const std::string& program) {
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::perror(program.c_str());
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end normally\n", program.c_str());
        std::exit(2);
    }
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}

template <class T> T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Runs the two programs alternately, so that a change in the machine's load
// touches both alike; returns the medians.
std::pair<Run, Run> Measure(const std::string& first, const std::string& second, int runs) {
    RunOnce(first); // warm the file cache
    RunOnce(second);
    std::vector<double> times[2];
    std::vector<long> rss[2];
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const Run r = RunOnce(which == 0 ? first : second);
            times[which].push_back(r.seconds);
            rss[which].push_back(r.maxRssKb);
        }
    }
    return {{Median(times[0]), Median(rss[0])}, {Median(times[1]), Median(rss[1])}};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <kalmo> <bare_window> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KALMO_UNATTENDED", "1", 1);
    setenv("KALMO_EXIT_AFTER_STARTUP", "1", 1);

    const auto [kalmo, bare] = Measure(argv[1], argv[2], runs);
    std::printf("median of %d runs      time [ms]   peak RSS [MiB]\n", runs);
    std::printf("kalmo                 %9.1f   %14.1f\n", kalmo.seconds * 1e3,
                kalmo.maxRssKb / 1024.0);
    std::printf("bare Qt window        %9.1f   %14.1f\n", bare.seconds * 1e3,
                bare.maxRssKb / 1024.0);
    std::printf("ratio                 %9.2f   %14.2f\n", kalmo.seconds / bare.seconds,
                double(kalmo.maxRssKb) / double(bare.maxRssKb));
    return 0;
}
