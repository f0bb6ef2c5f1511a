// Start-up time to the first painted window: spawns each program RUNS times (interleaved,
// after one warm-up run each) on the offscreen platform and takes the time from just before
// the spawn to the "shown <ns> rss <KiB> hwm <KiB>" line the program prints after its first
// paint, with the memory it held then.
// Settings come from a fresh folder with no port configured (ComPort=0), so no UART is touched.
// usage: bench_startup RUNS PROGRAM [PROGRAM...]   (the first against each other: ratios)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Run {
    double ms = -1; // from spawn to first paint; negative when the program said nothing
    long rssKiB = -1;
    long hwmKiB = -1;
};

Run runOnce(const char* program) {
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // Qt's notes about the offscreen platform would only clutter the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long start = steadyNs();
    const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        return {};
    }
    std::string text;
    char buf[256];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0)
        text.append(buf, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const std::size_t at = text.find("shown ");
    if (at == std::string::npos)
        return {};
    Run r;
    r.ms = static_cast<double>(std::atoll(text.c_str() + at + 6) - start) / 1e6;
    const std::size_t rss = text.find(" rss ", at);
    const std::size_t hwm = text.find(" hwm ", at);
    if (rss != std::string::npos && hwm != std::string::npos) {
        r.rssKiB = std::atol(text.c_str() + rss + 5);
        r.hwmKiB = std::atol(text.c_str() + hwm + 5);
    }
    return r;
}

template <typename T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup RUNS PROGRAM [PROGRAM...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    char folder[] = "/tmp/bench_startup.XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string settings = std::string(folder) + "/Vortan2";
    mkdir(settings.c_str(), 0700);
    if (FILE* f = std::fopen((settings + "/Vortan2.ini").c_str(), "w")) {
        std::fputs("[FORM_HLAV]\nComPort=0\n", f);
        std::fclose(f);
    }
    setenv("XDG_CONFIG_HOME", folder, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    const int programs = argc - 2;
    std::vector<std::vector<double>> ms(static_cast<std::size_t>(programs));
    std::vector<std::vector<long>> rss(static_cast<std::size_t>(programs));
    std::vector<std::vector<long>> hwm(static_cast<std::size_t>(programs));
    for (int p = 0; p < programs; ++p)
        runOnce(argv[2 + p]); // warm-up: libraries into the page cache
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < programs; ++p) {
            const Run r = runOnce(argv[2 + p]);
            if (r.ms < 0) {
                std::fprintf(stderr, "bench_startup: %s did not report its first paint\n",
                             argv[2 + p]);
                return 1;
            }
            const auto at = static_cast<std::size_t>(p);
            ms[at].push_back(r.ms);
            rss[at].push_back(r.rssKiB);
            hwm[at].push_back(r.hwmKiB);
        }
    std::vector<double> medians;
    std::vector<long> rssMedians;
    for (int p = 0; p < programs; ++p) {
        std::vector<double>& v = ms[static_cast<std::size_t>(p)];
        std::sort(v.begin(), v.end());
        medians.push_back(v[v.size() / 2]);
        std::printf("startup %s median %.1f ms min %.1f ms max %.1f ms runs %d\n", argv[2 + p],
                    medians.back(), v.front(), v.back(), runs);
        rssMedians.push_back(median(rss[static_cast<std::size_t>(p)]));
        std::printf("memory %s at first paint median resident %ld KiB peak %ld KiB\n", argv[2 + p],
                    rssMedians.back(), median(hwm[static_cast<std::size_t>(p)]));
    }
    if (programs >= 2) {
        std::printf("startup ratio %.2f\n", medians[0] / medians[1]);
        std::printf("memory ratio %.2f\n", double(rssMedians[0]) / double(rssMedians[1]));
    }
    for (int p = 2; p < programs; ++p) {
        const auto at = static_cast<std::size_t>(p);
        std::printf("startup ratio to %s %.2f\n", argv[2 + p], medians[0] / medians[at]);
        std::printf("memory ratio to %s %.2f\n", argv[2 + p],
                    double(rssMedians[0]) / double(rssMedians[at]));
    }
    std::filesystem::remove_all(folder);
    return 0;
}
