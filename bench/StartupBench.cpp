// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from process start to the exit that follows the first paint of the main window, and the peak
// resident memory, of plenta and of a minimal Qt Widgets program launched in alternation; and the whole
// process of plenta-journal stats against wc -l on the same journal.
#include "BenchMain.h"
#include "JournalGenerator.h"
#include "PairedTiming.h"
#include "ScratchDir.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace plenta::bench {
namespace {

constexpr int JOURNAL_RECORDS = 800;
constexpr int EXIT_TIMEOUT_MS = 20'000;
// A start with a second thread varies more from launch to launch than one without (how soon the other
// processor takes the thread), so the median is taken over more launches than the tool's.
constexpr int START_PAIRS = 61;
constexpr int TOOL_PAIRS = 41;
// Read by plenta once after its first paint; the minimal window ends after its first paint anyway.
constexpr std::string_view EXIT_HOOK = "PLENTA_EXIT_AFTER_FIRST_PAINT";
constexpr std::string_view EXIT_HOOK_ON = "PLENTA_EXIT_AFTER_FIRST_PAINT=1";

struct Launch {
    double seconds = 0;
    long peakKilobytes = 0;
    std::string error; // empty when the program ran and ended with exit code 0
};

// Both programs and the picture copied into one folder (plenta finds its picture beside itself), an
// 800-record journal ending today in a device root of their own, and a private temporary folder, so that
// the single-instance socket of a plenta running elsewhere on this machine is never seen (it lies in
// $XDG_RUNTIME_DIR, or in the temporary folder without one).
struct Stage {
    ScratchDir dir;
    std::filesystem::path bin = dir.path() / "bin";
    std::filesystem::path root = dir.path() / "root";
    std::filesystem::path tmp = dir.path() / "tmp";
    std::string error;

    Stage() {
        const auto copy = std::filesystem::copy_options::overwrite_existing;
        std::error_code failed;
        bool staged = !dir.path().empty();
        for (const std::filesystem::path &folder : {bin, root, tmp}) {
            staged = staged && std::filesystem::create_directories(folder, failed);
        }
        // Qt accepts a runtime folder only when it is private to the user.
        std::filesystem::permissions(tmp, std::filesystem::perms::owner_all, failed);
        staged = staged && !failed;
        staged = staged && std::filesystem::copy_file(PLENTA_BENCH_PLENTA, bin / "plenta", copy, failed);
        staged = staged && std::filesystem::copy_file(PLENTA_BENCH_PICTURE, bin / "plenta.gif", copy, failed);
        staged = staged && std::filesystem::copy_file(PLENTA_BENCH_MINIMAL_WINDOW, bin / "minimal-window",
                                                      copy, failed);
        const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
        const std::vector<SyntheticRecord> records =
            SyntheticRecords(JOURNAL_RECORDS, Date{today - std::chrono::days{JOURNAL_RECORDS * 21 / 20}});
        if (!staged || !WriteFileBytes(root / "plenta.txt", JournalBytes(records))) {
            error = "cannot stage the programs, the picture and the journal";
        }
    }

    // The caller's environment with the stage's root, temporary folder, platform and exit hook.
    std::vector<std::string> Environment() const {
        const std::vector<std::string> own{"PLENTA_ROOT=" + root.string(), "TMPDIR=" + tmp.string(),
                                           "XDG_RUNTIME_DIR=" + tmp.string(), "QT_QPA_PLATFORM=offscreen",
                                           std::string(EXIT_HOOK_ON)};
        std::vector<std::string> result;
        for (char **entry = environ; *entry != nullptr; ++entry) {
            const std::string_view text(*entry);
            const std::string_view name = text.substr(0, text.find('='));
            bool replaced = false;
            for (const std::string &mine : own) {
                replaced = replaced || std::string_view(mine).substr(0, mine.find('=')) == name;
            }
            if (!replaced) {
                result.emplace_back(text);
            }
        }
        result.insert(result.end(), own.begin(), own.end());
        return result;
    }
};

const Stage &TheStage() {
    static const Stage stage;
    return stage;
}

// Starts the program (found on PATH when `arguments[0]` names no folder) with its output discarded and waits
// for its end, at most EXIT_TIMEOUT_MS; wait4 gives this one child's peak resident set.
Launch LaunchUntilExit(std::vector<std::string> arguments, const std::vector<std::string> &environment) {
    std::vector<char *> envp;
    for (const std::string &entry : environment) {
        envp.push_back(const_cast<char *>(entry.c_str()));
    }
    envp.push_back(nullptr);
    const std::string path = arguments.front();
    std::vector<char *> argv;
    for (std::string &argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    Launch launch;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        launch.error = "cannot start " + path + ": " + std::strerror(spawned);
        return launch;
    }
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        pollfd ended{.fd = pidfd, .events = POLLIN, .revents = 0};
        if (poll(&ended, 1, EXIT_TIMEOUT_MS) == 0) {
            kill(pid, SIGKILL);
            launch.error =
                path + " did not end after its first paint (is " + std::string(EXIT_HOOK) + " read?)";
        }
        close(pidfd);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    launch.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    launch.peakKilobytes = usage.ru_maxrss;
    if (launch.error.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
        launch.error = path + " ended with status " + std::to_string(status);
    }
    return launch;
}

// Launches the figure's command and the baseline's in alternation, which one goes first alternating too, and
// reports the median of the per-pair ratios of their wall-clock times (see PairedTiming.h); the peak
// resident sets as the medians of each side and of the per-pair differences.
void MeasurePairs(benchmark::State &state, const std::vector<std::string> &figure,
                  const std::vector<std::string> &baseline, int pairs) {
    const Stage &stage = TheStage();
    if (!stage.error.empty()) {
        state.SkipWithError(stage.error.c_str());
        return;
    }
    const std::vector<std::string> environment = stage.Environment();
    std::vector<double> figureSeconds;
    std::vector<double> baselineSeconds;
    std::vector<double> figureMb;
    std::vector<double> baselineMb;
    std::vector<double> extraMb;
    for (auto _ : state) {
        for (int pair = 0; pair < PairCount(pairs); ++pair) {
            Launch first = LaunchUntilExit(pair % 2 == 0 ? baseline : figure, environment);
            Launch second = LaunchUntilExit(pair % 2 == 0 ? figure : baseline, environment);
            if (pair % 2 != 0) {
                std::swap(first, second);
            }
            for (const Launch *launch : {&first, &second}) {
                if (!launch->error.empty()) {
                    state.SkipWithError(launch->error.c_str());
                    return;
                }
            }
            baselineSeconds.push_back(first.seconds);
            figureSeconds.push_back(second.seconds);
            baselineMb.push_back(static_cast<double>(first.peakKilobytes) / 1024.0);
            figureMb.push_back(static_cast<double>(second.peakKilobytes) / 1024.0);
            extraMb.push_back(figureMb.back() - baselineMb.back());
        }
    }
    ReportPairs(state, figureSeconds, baselineSeconds);
    state.counters["peak_rss_MB"] = Median(figureMb);
    state.counters["baseline_peak_rss_MB"] = Median(baselineMb);
    state.counters["extra_MB"] = Median(extraMb);
    state.counters["extra_MB_min"] = *std::min_element(extraMb.begin(), extraMb.end());
    state.counters["extra_MB_max"] = *std::max_element(extraMb.begin(), extraMb.end());
}

void BM_StartPlenta(benchmark::State &state) {
    const Stage &stage = TheStage();
    MeasurePairs(state, {(stage.bin / "plenta").string()}, {(stage.bin / "minimal-window").string()},
                 START_PAIRS);
}

// The whole command as a script runs it, against the least any program that reads the journal costs.
void BM_ToolStats(benchmark::State &state) {
    const Stage &stage = TheStage();
    const std::string journal = (stage.root / "plenta.txt").string();
    MeasurePairs(state, {PLENTA_BENCH_TOOL, "--journal", journal, "stats"}, {"wc", "-l", journal},
                 TOOL_PAIRS);
}

BENCHMARK(BM_StartPlenta)->UseManualTime()->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolStats)->UseManualTime()->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace plenta::bench

int main(int argc, char **argv) {
    return plenta::bench::RunBenchmarks(argc, argv);
}
