// SPDX-License-Identifier: GPL-3.0-or-later
// Merging other journal files into the journal: placement by date, conflicts either way, lines that are no
// records on both sides, and the files on disk before and after.
#include "journal/JournalMerge.h"
#include "TempFolder.h"
#include "journal/JournalLock.h"

#include <gtest/gtest.h>

#include <future>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace plenta {
namespace {

const std::string HEADER = test::HEADER;

const std::string D1 = "2026/12/01,36.5,1,alk\r\n";
const std::string D2 = "2026/12/02,36.6,,\r\n";
const std::string D3 = "2026/12/03,36.7,S,\r\n";
const std::string D3_OTHER = "2026/12/03,36.9,X,\r\n";

OtherJournal Other(const std::map<std::int32_t, std::string> &records) {
    return OtherJournal{"copy.txt", records, {}, {}};
}

TEST(JournalMerge, RecordsComeInByDateAndConflictsFollowThePreference) {
    const std::string garbage = "Notiz ohne Datum\n"; // LF only, kept byte for byte
    struct Case {
        const char *what;
        std::string journal;
        std::map<std::int32_t, std::string> other;
        MergePreference preference;
        std::string merged;
        MergeCounts counts;
    } const cases[] = {
        {"between",
         HEADER + D1 + D3,
         {{20261202, "2026/12/02,36.6,,"}},
         MergePreference::Journal,
         HEADER + D1 + D2 + D3,
         {1, 0, 0}},
        {"before and after",
         HEADER + D2,
         {{20261201, "2026/12/01,36.5,1,alk"}, {20261203, "2026/12/03,36.7,S,"}},
         MergePreference::Journal,
         HEADER + D1 + D2 + D3,
         {2, 0, 0}},
        {"the same record, marks in another order",
         HEADER + "2026/12/03,36.7,SE,\r\n",
         {{20261203, "2026/12/03,36.7,ES"}},
         MergePreference::Other,
         HEADER + "2026/12/03,36.7,SE,\r\n",
         {0, 1, 0}},
        {"conflict, journal kept",
         HEADER + D1 + D3,
         {{20261203, "2026/12/03,36.9,X,"}},
         MergePreference::Journal,
         HEADER + D1 + D3,
         {0, 0, 1}},
        {"conflict, other kept",
         HEADER + D1 + D3 + D3 + garbage,
         {{20261203, "2026/12/03,36.9,X,"}},
         MergePreference::Other,
         HEADER + D1 + D3_OTHER + garbage,
         {0, 0, 1}},
        {"malformed journal lines stay",
         "my header\n" + garbage + D1 + "2026/12/02 kaputt\r\n" + D3,
         {{20261202, "2026/12/02,36.6,,"}},
         MergePreference::Other,
         "my header\n" + garbage + D1 + D2 + "2026/12/02 kaputt\r\n" + D3,
         {1, 0, 0}},
        {"empty journal gets the header",
         "",
         {{20261202, "2026/12/02,36.6,,"}},
         MergePreference::Journal,
         HEADER + D2,
         {1, 0, 0}},
        {"the same as the scan reads it: a NUL ends the text",
         HEADER + std::string("2026/12/03,36.7,S,ab\0xy\r\n", 25),
         {{20261203, std::string("2026/12/03,36.7,S,ab\0zz", 23)}},
         MergePreference::Other,
         HEADER + std::string("2026/12/03,36.7,S,ab\0xy\r\n", 25),
         {0, 1, 0}},
        {"unterminated last line",
         HEADER + D1.substr(0, D1.size() - 2),
         {{20261202, "2026/12/02,36.6,,"}},
         MergePreference::Journal,
         HEADER + D1 + D2,
         {1, 0, 0}},
    };
    for (const Case &c : cases) {
        std::string out;
        const OtherJournal other = Other(c.other);
        const MergeReport report = MergeRecords(c.journal, std::span(&other, 1), c.preference, out);
        EXPECT_EQ(out, c.merged) << c.what;
        EXPECT_EQ(report.counts.added, c.counts.added) << c.what;
        EXPECT_EQ(report.counts.same, c.counts.same) << c.what;
        EXPECT_EQ(report.counts.conflicts, c.counts.conflicts) << c.what;
        EXPECT_EQ(report.conflicts.size(), static_cast<std::size_t>(c.counts.conflicts)) << c.what;
    }
}

TEST(JournalMerge, LaterFilesMeetWhatEarlierOnesBrought) {
    const OtherJournal others[] = {{"first.txt", {{20261203, "2026/12/03,36.7,S,"}}, {}, {}},
                                   {"second.txt", {{20261203, "2026/12/03,36.9,X,"}}, {}, {}}};
    std::string out;
    const MergeReport report = MergeRecords(HEADER + D1, others, MergePreference::Other, out);
    EXPECT_EQ(out, HEADER + D1 + D3_OTHER);
    ASSERT_EQ(report.conflicts.size(), 1u);
    EXPECT_EQ(report.conflicts[0].journalRecord, "2026/12/03,36.7,S,");
    EXPECT_EQ(report.conflicts[0].otherRecord, "2026/12/03,36.9,X,");
    // The standing record came from the first file, which the conflict names, not the journal.
    EXPECT_EQ(report.conflicts[0].standingFile, "first.txt");
    EXPECT_EQ(report.conflicts[0].file, "second.txt");
}

class JournalMergeFiles : public testing::Test {
protected:
    test::TempFolder folder_;
    std::filesystem::path journal_ = folder_ / "plenta.txt";
    std::filesystem::path copy_ = folder_ / "plenta.sync-conflict-20261204-101112-ABCDEFG.txt";
};

TEST_F(JournalMergeFiles, FailuresLeaveTheJournalAndTheFilesAsTheyWere) {
    const std::string before = HEADER + D1;
    test::WriteBytes(journal_, before);
    test::WriteBytes(copy_, HEADER + D2);
    const std::filesystem::path missing[] = {copy_, folder_ / "missing.txt"};
    MergeResult result = MergeIntoJournal(journal_, missing, MergePreference::Journal, MergedFiles::Remove);
    EXPECT_EQ(result.status, MergeStatus::OtherUnreadable);
    EXPECT_EQ(result.unreadable, folder_ / "missing.txt");

    // A writer holding the lock for longer than the rewrite waits.
    const int lockFd = ::open(JournalLock::LockPathOf(journal_).c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(lockFd, LOCK_EX), 0);
    const std::filesystem::path files[] = {copy_};
    // Both wait out the lock's full second, side by side so the suite waits it once.
    auto compared = std::async(std::launch::async, [&] { return CompareWithJournal(journal_, files); });
    result = MergeIntoJournal(journal_, files, MergePreference::Journal, MergedFiles::Remove);
    EXPECT_EQ(result.status, MergeStatus::AccessError);
    EXPECT_FALSE(compared.get()) << "the shared read waits for the lock too";
    ::close(lockFd);
    EXPECT_EQ(test::ReadBytes(journal_), before);
    EXPECT_TRUE(std::filesystem::exists(copy_));

    result = MergeIntoJournal(journal_, files, MergePreference::Journal, MergedFiles::Remove);
    EXPECT_EQ(result.status, MergeStatus::Merged);
    EXPECT_EQ(test::ReadBytes(journal_), HEADER + D1 + D2);
    EXPECT_FALSE(std::filesystem::exists(copy_)) << "removed once merged";
}

} // namespace
} // namespace plenta
