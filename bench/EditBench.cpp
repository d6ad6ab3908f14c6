// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and deleting a day in an 800-record journal, without and with the flushes to the disk.
#include "BenchMain.h"
#include "JournalGenerator.h"
#include "ScratchDir.h"

#include "journal/JournalEdit.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace plenta::bench {
namespace {

constexpr int RECORDS = 800;

// Writes `bytes` over the file's start and cuts it to their length. Not truncated to nothing first: ext4
// then allocates the file's blocks at once (its guard for programs that rewrite a file in place), and the
// timed command's replacing of the file would wait for the disk to discard them where the file system is
// mounted with online discard, as the build machine's is. That wait is the disk's; the figure with fsync
// shows what the disk adds.
bool PutBack(const std::filesystem::path &file, const std::string &bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const auto size = static_cast<ssize_t>(bytes.size());
    const bool written = ::pwrite(fd, bytes.data(), bytes.size(), 0) == size && ::ftruncate(fd, size) == 0;
    return ::close(fd) == 0 && written;
}

std::string ReadFileBytes(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A journal of RECORDS records in a folder of its own, and the record in its middle that the commands touch.
struct EditFixture {
    ScratchDir dir;
    std::filesystem::path journal = dir.path() / "plenta.txt";
    std::vector<SyntheticRecord> records = SyntheticRecords(RECORDS);
    std::string bytes = JournalBytes(records);
    const SyntheticRecord &middle = records[RECORDS / 2];

    bool Reset() { return !dir.path().empty() && PutBack(journal, bytes); }
    EntryValues MiddleEntry() const {
        return EntryValues{.date = middle.date,
                           .temperature = middle.temperature,
                           .marks = middle.marks,
                           .comment = middle.comment};
    }
};

// Saving the middle record's own values replaces it with the same bytes, so every iteration rewrites the same
// journal and nothing needs restoring.
void BM_SaveEntry(benchmark::State &state, Durability durability) {
    EditFixture fixture;
    const EntryValues entry = fixture.MiddleEntry();
    if (!fixture.Reset() || SaveEntry(fixture.journal, entry, durability) != EditOutcome::Replaced ||
        ReadFileBytes(fixture.journal) != fixture.bytes) {
        state.SkipWithError("saving a record's own values did not give back the same journal");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveEntry(fixture.journal, entry, durability));
    }
    state.SetItemsProcessed(state.iterations());
}

// Each iteration deletes the middle record's day; the journal is put back outside the timed part.
void BM_DeleteDayEntries(benchmark::State &state, Durability durability) {
    EditFixture fixture;
    if (!fixture.Reset() ||
        DeleteDayEntries(fixture.journal, fixture.middle.date, durability) != EditOutcome::Deleted ||
        ReadFileBytes(fixture.journal).size() >= fixture.bytes.size()) {
        state.SkipWithError("deleting a day did not shorten the journal");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        const bool reset = fixture.Reset();
        state.ResumeTiming();
        if (!reset) {
            state.SkipWithError("cannot put the journal back");
            break;
        }
        benchmark::DoNotOptimize(DeleteDayEntries(fixture.journal, fixture.middle.date, durability));
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(BM_SaveEntry, no_fsync, Durability::NoFsync)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DeleteDayEntries, no_fsync, Durability::NoFsync)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SaveEntry, fsync, Durability::Fsync)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DeleteDayEntries, fsync, Durability::Fsync)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace plenta::bench

int main(int argc, char **argv) {
    return plenta::bench::RunBenchmarks(argc, argv);
}
