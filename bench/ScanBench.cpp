// SPDX-License-Identifier: GPL-3.0-or-later
// The journal scan against the cost of merely reading the same bytes and finding their line ends.
#include "BenchMain.h"
#include "JournalGenerator.h"
#include "PairedTiming.h"
#include "ScratchDir.h"

#include "journal/JournalScan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace plenta::bench {
namespace {

// The scan reads the journal into one buffer of the file's size (at least 4 KiB, at most 256 KiB, refilled
// for a larger file); the baseline sizes its buffer the same way.
constexpr std::size_t MIN_BLOCK_BYTES = 4096;
constexpr std::size_t MAX_BLOCK_BYTES = 256 * 1024;

struct JournalFile {
    std::filesystem::path path;
    std::size_t bytes = 0;
    Date last;
};

// One file per record count for the whole program, so that repetitions measure the same bytes.
const JournalFile &Journal(int records) {
    static ScratchDir dir;
    static std::map<int, JournalFile> files;
    auto found = files.find(records);
    if (found == files.end()) {
        const std::vector<SyntheticRecord> synthetic = SyntheticRecords(records);
        const std::string bytes = JournalBytes(synthetic);
        JournalFile file{dir.path() / ("journal-" + std::to_string(records) + ".txt"), bytes.size(),
                         synthetic.back().date};
        if (dir.path().empty() || !WriteFileBytes(file.path, bytes)) {
            file.bytes = 0;
        }
        found = files.emplace(records, file).first;
    }
    return found->second;
}

// Each side of a pair runs as many times as the bare read needs for about this much processor time, so that
// reading the clock costs nothing beside what it times.
constexpr double BATCH_SECONDS = 0.002;
constexpr int PAIRS = 31;

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The physical limit of the scan's work: open, size the buffer, read every block, count the LF bytes, close.
// The number of LF bytes, or -1 when the file cannot be read.
std::int64_t ReadLines(const JournalFile &file) {
    std::int64_t lines = 0;
    const int fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    const std::size_t capacity =
        std::clamp<std::size_t>(static_cast<std::size_t>(info.st_size) + 1, MIN_BLOCK_BYTES, MAX_BLOCK_BYTES);
    const auto block = std::make_unique_for_overwrite<char[]>(capacity);
    ssize_t got = 0;
    while ((got = ::read(fd, block.get(), capacity)) > 0) {
        lines += std::count(block.get(), block.get() + got, '\n');
    }
    ::close(fd);
    return lines;
}

// Seconds of processor time per run of `work`, run `runs` times.
template <typename Work> double TimeRuns(int runs, const Work &work) {
    const double start = ThreadSeconds();
    for (int i = 0; i < runs; ++i) {
        work();
    }
    return (ThreadSeconds() - start) / runs;
}

// The scan and the bare read of the same file alternate within this one process, each timed by this thread's
// processor time; the figure is the median of the per-pair ratios (see PairedTiming.h).
void BM_Scan(benchmark::State &state) {
    const int records = static_cast<int>(state.range(0));
    const JournalFile &file = Journal(records);
    const Date today{std::chrono::sys_days{file.last} + std::chrono::days{3}};
    const std::optional<JournalScan> probe = LoadJournal(file.path, file.last, today);
    if (file.bytes == 0 || !probe || probe->stats.recordCount != records || !probe->selection.hasEntry) {
        state.SkipWithError("the synthetic journal did not scan as generated");
        return;
    }
    if (ReadLines(file) != records + 1) {
        state.SkipWithError("the synthetic journal has not one line per record");
        return;
    }
    const auto scan = [&] {
        std::optional<JournalScan> result = LoadJournal(file.path, file.last, today);
        benchmark::DoNotOptimize(result);
    };
    const auto read = [&] {
        std::int64_t lines = ReadLines(file);
        benchmark::DoNotOptimize(lines);
    };
    const int runs = std::max(1, static_cast<int>(BATCH_SECONDS / std::max(TimeRuns(1, read), 1e-9)));
    std::vector<double> scanSeconds;
    std::vector<double> readSeconds;
    for (auto _ : state) {
        for (int pair = 0; pair < PairCount(PAIRS); ++pair) {
            // Which side goes first alternates too, so neither always finds the caches warmed by the other.
            if (pair % 2 == 0) {
                readSeconds.push_back(TimeRuns(runs, read));
                scanSeconds.push_back(TimeRuns(runs, scan));
            } else {
                scanSeconds.push_back(TimeRuns(runs, scan));
                readSeconds.push_back(TimeRuns(runs, read));
            }
        }
    }
    ReportPairs(state, scanSeconds, readSeconds);
    state.SetBytesProcessed(static_cast<std::int64_t>(file.bytes));
    state.SetItemsProcessed(records);
}

BENCHMARK(BM_Scan)->Arg(800)->Arg(10'000)->Arg(100'000)->Iterations(1)->Repetitions(1)->UseManualTime()->Unit(
    benchmark::kMicrosecond);

} // namespace
} // namespace plenta::bench

int main(int argc, char **argv) {
    return plenta::bench::RunBenchmarks(argc, argv);
}
