// SPDX-License-Identifier: GPL-3.0-or-later
// Saves beside programs that write the journal without the lock: an editor rewriting it in place (truncate,
// then write in parts) and a sync client replacing it (delete, then create), and two writers reaching one
// journal through a link and its target. Nothing the other program wrote may be lost, and no journal may be
// torn, emptied or shortened.
#include "JournalBytes.h"
#include "TempFolder.h"

#include "journal/JournalEdit.h"
#include "journal/JournalRecord.h"
#include "journal/JournalRewrite.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <set>
#include <thread>
#include <unistd.h>

namespace plenta::reliability {
namespace {

using namespace std::chrono;

constexpr int ORIGINAL_RECORDS = 800;
constexpr int SAVES = 120;

enum class Writer { InPlace, DeleteAndCreate };

void PrintTo(Writer writer, std::ostream *out) {
    *out << (writer == Writer::InPlace ? "in place" : "delete and create");
}

Date DayAfter(Date start, int offset) {
    return sys_days{start} + days{offset};
}

std::string ForeignLine(int number) {
    return "# fremd " + std::to_string(number) + "\r\n";
}

void Pause(std::mt19937 &random, int maxMicroseconds) {
    std::this_thread::sleep_for(microseconds(std::uniform_int_distribution(0, maxMicroseconds)(random)));
}

// One write of the other program: the journal as it read it plus one line of its own, written in two parts
// cut inside a line, with pauses where a save could catch the journal emptied or half written (up to 2 ms,
// and one write in eight stalls up to 80 ms between its parts).
void ForeignWrite(const std::filesystem::path &journal, Writer writer, int number, std::mt19937 &random) {
    const std::string content = ReadBytes(journal).value_or(std::string(HEADER)) + ForeignLine(number);
    if (writer == Writer::DeleteAndCreate) {
        ::unlink(journal.c_str());
        Pause(random, 2000);
    }
    const int fd = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    Pause(random, 2000);
    std::size_t cut = std::uniform_int_distribution<std::size_t>(1, content.size() - 2)(random);
    cut += content[cut - 1] == '\n' ? 1 : 0;
    ASSERT_EQ(::write(fd, content.data(), cut), static_cast<ssize_t>(cut));
    // Now and then the writer stalls mid-write, longer than any wait for a quiet journal would cover.
    Pause(random, std::uniform_int_distribution(0, 7)(random) == 0 ? 80'000 : 2000);
    const std::size_t rest = content.size() - cut;
    ASSERT_EQ(::write(fd, content.data() + cut, rest), static_cast<ssize_t>(rest));
    ::close(fd);
}

class ForeignWriterTest : public testing::TestWithParam<Writer> {};

TEST_P(ForeignWriterTest, NothingTheOtherProgramWroteIsLost) {
    TempFolder folder;
    const std::filesystem::path journal = folder.Journal();
    std::set<std::string> known{std::string(HEADER)};
    std::string seed(HEADER);
    for (int i = 0; i < ORIGINAL_RECORDS; ++i) {
        const std::string record = FormatRecord(DayAfter(2000y / January / 1d, i), 365, "", "alt");
        seed += record;
        known.insert(record);
    }
    WriteBytes(journal, seed);

    std::atomic<bool> saving{true};
    int foreignWrites = 0;
    std::thread other([&] {
        std::mt19937 random(GetParam() == Writer::InPlace ? 1 : 2);
        while (saving) {
            ForeignWrite(journal, GetParam(), foreignWrites++, random);
            Pause(random, 20'000);
        }
    });
    std::vector<std::string> saved;
    int failed = 0;
    std::mt19937 random(3);
    for (int i = 0; i < SAVES; ++i) {
        const Date date = DayAfter(2010y / January / 1d, i);
        // Without fsync the saves come as fast as the checks allow; the random pause spreads them over the
        // other program's writes.
        const EditOutcome outcome =
            SaveEntry(journal, EntryValues{date, 366, "S", "neu"}, Durability::NoFsync);
        Pause(random, 10'000);
        const std::string record = FormatRecord(date, 366, "S", "neu");
        known.insert(record);
        if (Succeeded(outcome)) {
            saved.push_back(record);
        } else {
            ++failed;
        }
    }
    saving = false;
    other.join();

    const std::string after = ReadBytes(journal).value_or("");
    const std::vector<std::string> lines = RawLines(after);
    const std::set<std::string> present(lines.begin(), lines.end());
    int originalLost = 0;
    for (int i = 0; i < ORIGINAL_RECORDS; ++i) {
        originalLost += !present.contains(FormatRecord(DayAfter(2000y / January / 1d, i), 365, "", "alt"));
    }
    int foreignLost = 0;
    for (int n = 0; n < foreignWrites; ++n) {
        foreignLost += !present.contains(ForeignLine(n));
        known.insert(ForeignLine(n));
    }
    int savesOverwritten = 0;
    for (const std::string &record : saved) {
        savesOverwritten += !present.contains(record);
    }
    int strange = 0;
    for (const std::string &line : lines) {
        strange += !known.contains(line);
    }
    EXPECT_EQ(originalLost, 0) << "original records lost";
    EXPECT_EQ(foreignLost, 0) << "the other program's lines lost";
    EXPECT_EQ(strange, 0) << "torn or unknown lines";
    EXPECT_EQ(lines.empty() ? "" : lines.front(), HEADER);
    EXPECT_GT(saved.size(), SAVES / 2u) << "most saves should find a quiet moment";
    std::printf("%s writer: %d saves (%zu succeeded, %d gave up with the journal untouched), %d foreign "
                "writes; lost: %d of %d original records, %d of %d foreign lines; %d torn lines; %d saves "
                "overwritten later by the other program\n",
                GetParam() == Writer::InPlace ? "in-place" : "delete+create", SAVES, saved.size(), failed,
                foreignWrites, originalLost, ORIGINAL_RECORDS, foreignLost, foreignWrites, strange,
                savesOverwritten);
}

INSTANTIATE_TEST_SUITE_P(Reliability, ForeignWriterTest,
                         testing::Values(Writer::InPlace, Writer::DeleteAndCreate), [](const auto &info) {
                             return info.param == Writer::InPlace ? "InPlace" : "DeleteAndCreate";
                         });

// Two writers, one through a symlink and one at its target, must exclude each other at one lock.
TEST(LinkedJournal, WritersThroughTheLinkAndTheTargetKeepEveryRecord) {
    TempFolder folder;
    const std::filesystem::path target = folder.Path() / "real.txt";
    std::filesystem::create_symlink("real.txt", folder.Journal());
    constexpr int PER_WRITER = 150;
    std::array<int, 2> failures{};
    std::vector<std::thread> writers;
    for (int writer = 0; writer < 2; ++writer) {
        writers.emplace_back([&, writer] {
            const std::filesystem::path path = writer == 0 ? folder.Journal() : target;
            for (int step = 0; step < PER_WRITER; ++step) {
                const Date date = DayAfter(2020y / January / 1d, 2 * step + writer);
                RewriteFailure failure;
                const EditOutcome outcome =
                    SaveEntry(path, EntryValues{date, 365, "", ""}, Durability::NoFsync, &failure);
                if (!Succeeded(outcome)) {
                    ++failures[writer];
                    std::printf("save failed: '%s' %s\n", failure.file.c_str(), failure.reason.c_str());
                }
                // A person saves now and then; back-to-back saves in a loop would starve the other's lock.
                std::this_thread::sleep_for(milliseconds(2));
            }
        });
    }
    for (std::thread &writer : writers) {
        writer.join();
    }
    std::vector<std::string> expected{std::string(HEADER)};
    for (int offset = 0; offset < 2 * PER_WRITER; ++offset) {
        expected.push_back(FormatRecord(DayAfter(2020y / January / 1d, offset), 365, "", ""));
    }
    const std::vector<std::string> lines = RawLines(ReadBytes(target).value_or(""));
    EXPECT_EQ(failures[0] + failures[1], 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Journal()));
    EXPECT_EQ(lines, expected);
    std::printf("link and target: %d saves, %zu records kept of %d\n", 2 * PER_WRITER,
                lines.empty() ? 0 : lines.size() - 1, 2 * PER_WRITER);
}

} // namespace
} // namespace plenta::reliability
