// The journal scan against the cost of merely reading the same bytes and finding their line ends.
#include "BenchMain.h"
#include "JournalGenerator.h"
#include "ScratchDir.h"

#include <JournalScan.h>

#include <benchmark/benchmark.h>

#include <algorithm>
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

void SetThroughput(benchmark::State &state, const JournalFile &file, int records) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.bytes));
    state.SetItemsProcessed(state.iterations() * records);
}

void BM_Scan(benchmark::State &state) {
    const int records = static_cast<int>(state.range(0));
    const JournalFile &file = Journal(records);
    const Date today{std::chrono::sys_days{file.last} + std::chrono::days{3}};
    const std::optional<JournalScan> probe = LoadJournal(file.path, file.last, today);
    if (file.bytes == 0 || !probe || probe->stats.recordCount != records || !probe->selection.hasEntry) {
        state.SkipWithError("the synthetic journal did not scan as generated");
        return;
    }
    for (auto _ : state) {
        std::optional<JournalScan> scan = LoadJournal(file.path, file.last, today);
        benchmark::DoNotOptimize(scan);
    }
    SetThroughput(state, file, records);
}

// The physical limit of the scan's work: open, size the buffer, read every block, count the LF bytes, close.
void BM_ReadLines(benchmark::State &state) {
    const int records = static_cast<int>(state.range(0));
    const JournalFile &file = Journal(records);
    std::int64_t lines = 0;
    for (auto _ : state) {
        lines = 0;
        const int fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info {};
        if (fd < 0 || ::fstat(fd, &info) != 0) {
            state.SkipWithError("cannot open the synthetic journal");
            break;
        }
        const std::size_t capacity = std::clamp<std::size_t>(static_cast<std::size_t>(info.st_size) + 1,
                                                             MIN_BLOCK_BYTES, MAX_BLOCK_BYTES);
        const auto block = std::make_unique_for_overwrite<char[]>(capacity);
        ssize_t got = 0;
        while ((got = ::read(fd, block.get(), capacity)) > 0) {
            lines += std::count(block.get(), block.get() + got, '\n');
        }
        ::close(fd);
        benchmark::DoNotOptimize(lines);
    }
    if (lines != records + 1) {
        state.SkipWithError("the synthetic journal has not one line per record");
        return;
    }
    SetThroughput(state, file, records);
}

BENCHMARK(BM_Scan)->Arg(800)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLines)->Arg(800)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace plenta::bench

int main(int argc, char **argv) {
    return plenta::bench::RunBenchmarks(argc, argv);
}
