// SPDX-License-Identifier: GPL-3.0-or-later
// Times two programs as whole processes, from just before the spawn to their window's first
// paint, and measures their peak resident memory. The floor (the least Widgets program) and the
// game run in turn, floor then game, round after round, so that a busy machine slows both alike.
//
//   bench_race [--rounds N] [--warmup N] [--runs] [FLOOR GAME]
//
// FLOOR and GAME default to bench_floor and bench_startup next to this program. The environment
// passes through to both (QT_QPA_PLATFORM, DISPLAY, ...); each child gets a pipe's write end in
// RAKAMLIK_FIRST_PAINT_FD and writes one byte there at its first paint.
//
// Standard output: one "key value" line per figure (with --runs, a "run" line per process too),
// then a summary for people, every line of which starts with "# ". The children's own output goes
// to standard error.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ; // NOLINT(readability-redundant-declaration): POSIX leaves it to us

namespace {

constexpr std::string_view fdVariable = "RAKAMLIK_FIRST_PAINT_FD";
constexpr int timeoutMs = 30'000;

struct Run {
    double ms = 0;        // spawn to first paint
    double maxRssMiB = 0; // peak resident memory over the whole process
};

struct Options {
    int rounds = 30;
    int warmup = 3;
    bool runs = false;
    std::string floor;
    std::string game;
};

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The parent's environment without any first-paint variable of its own.
std::vector<std::string> inheritedEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view entry(*e);
        if (!entry.starts_with(std::string(fdVariable) + "=")) {
            env.emplace_back(entry);
        }
    }
    return env;
}

// One run of `program`, or nothing if it failed; says why on standard error.
std::optional<Run> runOnce(const std::string& program, const std::vector<std::string>& inherited) {
    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("bench_race: pipe");
        return std::nullopt;
    }
    // Only the write end goes to the child.
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);

    std::vector<std::string> env = inherited;
    env.push_back(std::string(fdVariable) + "=" + std::to_string(fds[1]));
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};

    // The child's standard output joins its standard error, away from the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);

    pid_t pid = 0;
    const double start = now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "bench_race: cannot start %s: %s\n", program.c_str(),
                     std::strerror(spawned));
        close(fds[0]);
        return std::nullopt;
    }

    // One byte at the first paint; end of file if the child ends without painting.
    bool painted = false;
    double end = start;
    pollfd waiting{fds[0], POLLIN, 0};
    int ready = 0;
    while ((ready = poll(&waiting, 1, timeoutMs)) < 0 && errno == EINTR) {
    }
    if (ready > 0) {
        char byte = 0;
        ssize_t n = 0;
        while ((n = read(fds[0], &byte, 1)) < 0 && errno == EINTR) {
        }
        end = now();
        painted = n == 1;
    } else {
        std::fprintf(stderr, "bench_race: %s did not paint within %d ms\n", program.c_str(),
                     timeoutMs);
        kill(pid, SIGKILL);
    }
    close(fds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (!painted) {
        if (ready > 0) {
            std::fprintf(stderr, "bench_race: %s ended before its first paint (status %d)\n",
                         program.c_str(), status);
        }
        return std::nullopt;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_race: %s painted, then failed (status %d)\n", program.c_str(),
                     status);
        return std::nullopt;
    }
    // Linux counts ru_maxrss in KiB.
    return Run{end - start, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

struct Stats {
    double min = 0;
    double median = 0;
    double p90 = 0;
};

Stats statsOf(std::vector<double> values) {
    std::ranges::sort(values);
    const std::size_t n = values.size();
    const double median = n % 2 == 1 ? values[n / 2] : (values[(n / 2) - 1] + values[n / 2]) / 2.0;
    // Nearest rank.
    const auto rank = static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(n)));
    return {values.front(), median, values[std::max<std::size_t>(rank, 1) - 1]};
}

std::string besideSelf(const char* name) {
    std::string self(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
    if (n <= 0) {
        return name;
    }
    self.resize(static_cast<std::size_t>(n));
    return self.substr(0, self.rfind('/') + 1) + name;
}

[[noreturn]] void usage() {
    std::fputs("usage: bench_race [--rounds N] [--warmup N] [--runs] [FLOOR GAME]\n", stderr);
    std::exit(2);
}

int number(const char* text, int least) {
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < least || n > 100'000) {
        usage();
    }
    return static_cast<int>(n);
}

Options parse(int argc, char* argv[]) {
    Options options;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--rounds" || arg == "--warmup") && i + 1 < argc) {
            (arg == "--rounds" ? options.rounds : options.warmup) =
                number(argv[++i], arg == "--rounds" ? 1 : 0);
        } else if (arg == "--runs") {
            options.runs = true;
        } else if (arg.starts_with("-")) {
            usage();
        } else {
            programs.emplace_back(arg);
        }
    }
    if (programs.empty()) {
        programs = {besideSelf("bench_floor"), besideSelf("bench_startup")};
    }
    if (programs.size() != 2) {
        usage();
    }
    options.floor = programs[0];
    options.game = programs[1];
    return options;
}

std::vector<double> column(const std::vector<Run>& runs, double Run::*field) {
    std::vector<double> values;
    values.reserve(runs.size());
    for (const Run& r : runs) {
        values.push_back(r.*field);
    }
    return values;
}

void printStats(const char* name, const Stats& time, const Stats& rss) {
    std::printf("%s_ms_min %.2f\n%s_ms_median %.2f\n%s_ms_p90 %.2f\n", name, time.min, name,
                time.median, name, time.p90);
    std::printf("%s_rss_mib_min %.2f\n%s_rss_mib_median %.2f\n%s_rss_mib_p90 %.2f\n", name, rss.min,
                name, rss.median, name, rss.p90);
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    const std::vector<std::string> env = inheritedEnvironment();

    std::vector<Run> floorRuns;
    std::vector<Run> gameRuns;
    for (int round = -options.warmup; round < options.rounds; ++round) {
        const std::optional<Run> floor = runOnce(options.floor, env);
        const std::optional<Run> game = runOnce(options.game, env);
        if (!floor || !game) {
            return 1;
        }
        if (options.runs) {
            std::printf("run %d floor %.2f %.2f\nrun %d game %.2f %.2f\n", round, floor->ms,
                        floor->maxRssMiB, round, game->ms, game->maxRssMiB);
        }
        if (round >= 0) {
            floorRuns.push_back(*floor);
            gameRuns.push_back(*game);
        }
    }

    const Stats floorTime = statsOf(column(floorRuns, &Run::ms));
    const Stats gameTime = statsOf(column(gameRuns, &Run::ms));
    const Stats floorRss = statsOf(column(floorRuns, &Run::maxRssMiB));
    const Stats gameRss = statsOf(column(gameRuns, &Run::maxRssMiB));
    // The ratio within each round too: both runs of a round saw much the same machine.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < floorRuns.size(); ++i) {
        ratios.push_back(gameRuns[i].ms / floorRuns[i].ms);
    }
    const Stats pairRatio = statsOf(ratios);
    const double ratio = gameTime.median / floorTime.median;
    const double rssDiff = gameRss.median - floorRss.median;

    printStats("floor", floorTime, floorRss);
    printStats("game", gameTime, gameRss);
    std::printf("time_ratio %.3f\nround_ratio_min %.3f\nround_ratio_median %.3f\n"
                "round_ratio_p90 %.3f\nrss_diff_mib %.2f\n",
                ratio, pairRatio.min, pairRatio.median, pairRatio.p90, rssDiff);

    std::printf("# %d rounds (after %d warm-up), floor then game\n", options.rounds,
                options.warmup);
    std::printf("# first paint  floor %7.1f ms   game %7.1f ms   game/floor %.2fx (medians)\n",
                floorTime.median, gameTime.median, ratio);
    std::printf("#               floor min %.1f p90 %.1f, game min %.1f p90 %.1f, "
                "ratio per round %.2f..%.2f (min..p90)\n",
                floorTime.min, floorTime.p90, gameTime.min, gameTime.p90, pairRatio.min,
                pairRatio.p90);
    std::printf("# peak RSS     floor %7.1f MiB  game %7.1f MiB  game-floor %+.1f MiB (medians)\n",
                floorRss.median, gameRss.median, rssDiff);
    return 0;
}
