// SPDX-License-Identifier: GPL-3.0-or-later
// Save and delete on real files: byte-exact results, and every failure leaving the journal as it was.
#include "journal/JournalEdit.h"
#include "JournalBuilder.h"
#include "TempFolder.h"
#include "journal/JournalLock.h"
#include "journal/JournalMerge.h"
#include "journal/JournalRecord.h"
#include "journal/JournalRewrite.h"
#include "journal/JournalScan.h"

#include <gtest/gtest.h>

#include <future>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace plenta {
namespace {

using namespace std::chrono;
using test::HEADER;

constexpr Date DAY = 2003y / April / 5d;

EntryValues Entry(Date date, int temperature = 365, std::string marks = "", std::string comment = "") {
    return EntryValues{date, temperature, std::move(marks), std::move(comment)};
}

class JournalEditTest : public testing::Test {
protected:
    void Write(const std::string &bytes) { test::WriteBytes(journal_, bytes); }
    std::string Read() const { return test::ReadBytes(journal_); }
    bool TempLeft() const { return std::filesystem::exists(TemporaryPathOf(journal_)); }

    test::TempFolder folder_;
    std::filesystem::path journal_ = folder_ / "Plenta.txt";
};

TEST_F(JournalEditTest, SaveCreatesAMissingJournal) {
    EXPECT_EQ(SaveEntry(journal_, Entry(DAY, 365, "SE", "zu spät")), EditOutcome::Saved);
    EXPECT_EQ(Read(), std::string(HEADER) + "2003/04/05,36.5,SE,zu sp\xE4t\r\n");
    EXPECT_FALSE(TempLeft());
}

TEST_F(JournalEditTest, SavePlacesTheRecordByDate) {
    const std::string a = "2003/04/01,36.4,1,\r\n";
    const std::string c = "2003/04/07,36.6,,\r\n";
    const std::string record = "2003/04/05,37.5,,\r\n";
    struct Case {
        std::string before;
        std::string after;
        EditOutcome outcome;
    } const cases[] = {
        {HEADER + c, HEADER + record + c, EditOutcome::Saved},         // earlier than all
        {HEADER + a, HEADER + a + record, EditOutcome::Saved},         // later than all
        {HEADER + a + c, HEADER + a + record + c, EditOutcome::Saved}, // between
        {HEADER + a + "2003/04/05,36.1,S,x\r\n" + c, HEADER + a + record + c, EditOutcome::Replaced},
        {HEADER + a + "2003/04/05,36.1,S,x\r\n2003/04/05,36.2,,y\r\n" + c, HEADER + a + record + c,
         EditOutcome::Replaced},                                                       // both go
        {"", HEADER + record, EditOutcome::Saved},                                     // empty journal
        {HEADER + a.substr(0, a.size() - 2), HEADER + a + record, EditOutcome::Saved}, // unterminated
        {HEADER + a.substr(0, a.size() - 1), HEADER + a + record, EditOutcome::Saved}, // CR but no LF
        {HEADER + c.substr(0, c.size() - 2), HEADER + record + c, EditOutcome::Saved},
        {"2003/04/05,36.5,1,kopf\r\n", "2003/04/05,36.5,1,kopf\r\n" + record,
         EditOutcome::Saved}, // header kept
    };
    for (const Case &cs : cases) {
        Write(cs.before);
        EXPECT_EQ(SaveEntry(journal_, Entry(DAY, 375), Durability::NoFsync), cs.outcome) << cs.before;
        EXPECT_EQ(Read(), cs.after) << cs.before;
    }
}

TEST_F(JournalEditTest, HandEditedJournalKeepsEveryOddLine) {
    std::filesystem::copy_file(std::string(PLENTA_TEST_DATA) + "/journal/hand-edited.txt", journal_);
    const std::string original = Read();
    EXPECT_EQ(SaveEntry(journal_, Entry(DAY, 371, "1", "neu")), EditOutcome::Replaced);
    // Both records of the day go; the malformed line of the day and every other odd line stay; the last line
    // gets its line end.
    EXPECT_EQ(Read(),
              "Tag,Temperatur,Attribut,Kommentar\r\n2003/04/01,36.4,1,\r\n\r\n2003/04/02;36.5;S;per Hand\r\n"
              "# Notiz ohne Datum\r\n2003/04/05,37.1,1,neu\r\n2003/04/05,36.9\r\n2003/04/05,36.55,S,zwei "
              "Stellen\r\n2003/04/07,36.6,,\r\n"
              "2003/04/08,36.5,E,ohne Zeilenende\r\n");

    std::filesystem::remove(journal_);
    std::filesystem::copy_file(std::string(PLENTA_TEST_DATA) + "/journal/hand-edited.txt", journal_);
    EXPECT_EQ(DeleteDayEntries(journal_, DAY), EditOutcome::Deleted);
    EXPECT_EQ(
        Read(),
        "Tag,Temperatur,Attribut,Kommentar\r\n2003/04/01,36.4,1,\r\n\r\n2003/04/02;36.5;S;per Hand\r\n"
        "# Notiz ohne Datum\r\n2003/04/05,36.9\r\n2003/04/05,36.55,S,zwei Stellen\r\n2003/04/07,36.6,,\r\n"
        "2003/04/08,36.5,E,ohne Zeilenende\r\n");
    EXPECT_NE(original, Read());
}

// A day saved again as the scan read it (only the temperature list untouched) writes its own bytes back.
TEST_F(JournalEditTest, AnUnchangedDaySavesTheSameBytes) {
    const std::string lines[] = {
        "2003/04/05,36.5,1SX,zu sp\xE4t\r\n",
        "2003/04/05,36.5,,a, b; c\td\r\n",
        "2003/04/05,37.2,E,\x8C"
        "uvre \x80 \x81\r\n",
        "2003/04/05,35.5,S," + std::string(MAX_COMMENT_CHARS, 'w') + "\r\n",
        "2003/04/05,35.5,S,von Hand " + std::string(300, 'l') + "\r\n",
        "2003/04/05,35.5,S,sp\xE4t\r, doch\r\n", // a CR within the comment is no line end
        "2003/04/05,36.6,,\r\n",
    };
    for (const std::string &line : lines) {
        const std::string before =
            std::string(HEADER) + "2003/04/04,36.5,1,\r\n" + line + "2003/04/06,36.5,,\r\n";
        Write(before);
        const std::optional<JournalScan> scan = LoadJournal(journal_, DAY, DAY);
        ASSERT_TRUE(scan.has_value());
        const DaySelection &day = scan->selection;
        EXPECT_EQ(
            SaveEntry(journal_, Entry(DAY, day.temperature, day.marks, day.comment), Durability::NoFsync),
            EditOutcome::Replaced);
        EXPECT_EQ(Read(), before) << line;
    }
}

TEST_F(JournalEditTest, SaveWritesTheFieldsAsGiven) {
    struct Case {
        EntryValues entry;
        const char *line;
    } const cases[] = {
        {Entry(DAY, 376, "X", "日本"), "2003/04/05,37.6,X,??\r\n"}, // a kept odd temperature, foreign letters
        {Entry(DAY, 365, "", std::string(36, 'a') + "äöü"), ""},    // 39 characters are allowed
        // Trimmed as a reader trims it, so what the form then shows is what was stored.
        {Entry(DAY, 365, "", ",alk, "), "2003/04/05,36.5,,alk\r\n"},
        {Entry(DAY, 365, "S", " \t;zu sp\xC3\xA4t \v"), "2003/04/05,36.5,S,zu sp\xE4t\r\n"},
    };
    for (const Case &c : cases) {
        std::filesystem::remove(journal_);
        ASSERT_EQ(SaveEntry(journal_, c.entry, Durability::NoFsync), EditOutcome::Saved);
        if (*c.line != '\0') {
            EXPECT_EQ(Read(), std::string(HEADER) + c.line);
        }
    }
}

TEST_F(JournalEditTest, SaveRefusesWhatTheJournalCannotHold) {
    const EntryValues refused[] = {
        Entry(DAY, 365, "", std::string(MAX_RECORD_TEXT_BYTES - 16, 'a')), // one beyond the line bound
        Entry(DAY, 365, "", std::string("vor\0nach", 8)),
        Entry(DAY, 365, "S,X", ""),
        Entry(1600y / December / 31d),
        Entry(DAY, 365, "", "zwei\r\nZeilen"),
        Entry(DAY, 365, "S\n", ""),
        Entry(DAY, 1000),
        Entry(DAY, -1),
        Entry(2003y / February / 30d),
        Entry(10000y / January / 1d),
    };
    Write(HEADER);
    for (const EntryValues &entry : refused) {
        EXPECT_EQ(SaveEntry(journal_, entry), EditOutcome::DatabaseError) << entry.comment;
        EXPECT_EQ(Read(), HEADER);
    }
}

TEST_F(JournalEditTest, DeleteRemovesEveryLineOfTheDate) {
    const std::string rest = "2003/04/04,36.4,,\r\n2003/04/06,36.6,,\r\n";
    Write(
        HEADER +
        std::string("2003/04/04,36.4,,\r\n2003/04/05,36.5,S,\r\n2003/04/05,36.7,,\r\n2003/04/06,36.6,,\r\n"));
    EXPECT_EQ(DeleteDayEntries(journal_, DAY), EditOutcome::Deleted);
    EXPECT_EQ(Read(), HEADER + rest);
    EXPECT_EQ(DeleteDayEntries(journal_, DAY),
              EditOutcome::Deleted); // nothing of the date left: same content
    EXPECT_EQ(Read(), HEADER + rest);
    EXPECT_FALSE(TempLeft());
}

TEST_F(JournalEditTest, DeleteOfAMissingJournal) {
    EXPECT_EQ(DeleteDayEntries(journal_, DAY), EditOutcome::DatabaseError);
    EXPECT_FALSE(std::filesystem::exists(journal_));
}

TEST_F(JournalEditTest, FolderInPlaceOfTheJournal) {
    std::filesystem::create_directory(journal_);
    test::WriteBytes(journal_ / "inside", "x");
    EXPECT_EQ(SaveEntry(journal_, Entry(DAY)), EditOutcome::AccessError);
    EXPECT_EQ(DeleteDayEntries(journal_, DAY), EditOutcome::DatabaseError);
    EXPECT_EQ(test::ReadBytes(journal_ / "inside"), "x");
    EXPECT_FALSE(TempLeft());
}

TEST_F(JournalEditTest, LockedJournal) {
    const std::string before = HEADER + std::string("2003/04/05,36.5,S,\r\n");
    Write(before);
    const int fd = ::open(JournalLock::LockPathOf(journal_).c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_SH), 0); // a scan in another process
    // Both wait out the lock's full second, side by side so the suite waits it once.
    auto save = std::async(std::launch::async, [&] { return SaveEntry(journal_, Entry(DAY)); });
    EXPECT_EQ(DeleteDayEntries(journal_, DAY), EditOutcome::DatabaseError);
    EXPECT_EQ(save.get(), EditOutcome::AccessError);
    EXPECT_EQ(Read(), before);
    ::close(fd);
    EXPECT_EQ(SaveEntry(journal_, Entry(DAY)), EditOutcome::Replaced);
}

TEST_F(JournalEditTest, StaleTemporaryFileIsReplaced) {
    Write(HEADER);
    test::WriteBytes(TemporaryPathOf(journal_),
                     "left by a crash, longer than the new journal will be ...........");
    EXPECT_EQ(SaveEntry(journal_, Entry(DAY)), EditOutcome::Saved);
    EXPECT_EQ(Read(), HEADER + std::string("2003/04/05,36.5,,\r\n"));
    EXPECT_FALSE(TempLeft());
}

TEST_F(JournalEditTest, FailedWriteLeavesTheJournalAsItWas) {
    const std::string before = HEADER + std::string("2003/04/01,36.5,1,\r\n");
    Write(before);
    // A folder where the temporary file must go cannot be removed or written: the rewrite fails midway.
    std::filesystem::create_directory(TemporaryPathOf(journal_));
    test::WriteBytes(TemporaryPathOf(journal_) / "keep", "k");
    EXPECT_EQ(SaveEntry(journal_, Entry(DAY)), EditOutcome::AccessError);
    EXPECT_EQ(DeleteDayEntries(journal_, 2003y / April / 1d), EditOutcome::AccessError);
    EXPECT_EQ(Read(), before);
}

TEST_F(JournalEditTest, ReadOnlyFolderAndUnreadableJournal) {
    const std::string before = HEADER + std::string("2003/04/01,36.5,1,\r\n");
    Write(before);
    test::AsUnprivilegedUser(folder_, [&] {
        std::filesystem::permissions(journal_, std::filesystem::perms::none);
        // Unreadable but there: never taken for a new journal, which would overwrite it.
        EXPECT_EQ(SaveEntry(journal_, Entry(DAY)), EditOutcome::AccessError);
        EXPECT_EQ(DeleteDayEntries(journal_, DAY), EditOutcome::DatabaseError);
        EXPECT_FALSE(LoadJournal(journal_, DAY, DAY).has_value());
        std::filesystem::permissions(journal_, std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::owner_write);
        EXPECT_EQ(Read(), before);

        std::filesystem::permissions(folder_.Path(),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(SaveEntry(journal_, Entry(DAY)), EditOutcome::AccessError);
        EXPECT_EQ(DeleteDayEntries(journal_, DAY), EditOutcome::AccessError);
        EXPECT_TRUE(LoadJournal(journal_, DAY, DAY).has_value()); // a read-only folder still reads
        EXPECT_FALSE(TempLeft());
        std::filesystem::permissions(folder_.Path(), std::filesystem::perms::owner_all);
        EXPECT_EQ(Read(), before);

        // A journal made read-only in a folder that would let a rename replace it: every rewrite refuses and
        // names the file.
        std::filesystem::permissions(journal_, std::filesystem::perms::owner_read);
        RewriteFailure failure;
        EXPECT_EQ(SaveEntry(journal_, Entry(DAY), Durability::NoFsync, &failure), EditOutcome::AccessError);
        EXPECT_EQ(failure.file, journal_);
        EXPECT_EQ(failure.reason, "darf nicht geschrieben werden: Permission denied; es blieb, wie es war");
        EXPECT_EQ(DeleteDayEntries(journal_, 2003y / April / 1d), EditOutcome::AccessError);
        const std::filesystem::path copy = folder_ / "copy.txt";
        test::WriteBytes(copy, "2003/04/07,36.5,,\r\n");
        const MergeResult merged = MergeIntoJournal(journal_, std::span(&copy, 1), MergePreference::Journal,
                                                    MergedFiles::Keep, Durability::NoFsync);
        EXPECT_EQ(merged.status, MergeStatus::AccessError);
        EXPECT_EQ(merged.failure.file, journal_);
        EXPECT_EQ(Read(), before);
    });
    // Root, whom the kernel lets write any file, saves into a read-only journal as it would edit one; the
    // journal keeps its bits.
    if (::geteuid() == 0) {
        std::filesystem::permissions(journal_, std::filesystem::perms::owner_read);
        EXPECT_EQ(SaveEntry(journal_, Entry(DAY), Durability::NoFsync), EditOutcome::Saved);
        EXPECT_EQ(std::filesystem::status(journal_).permissions(), std::filesystem::perms::owner_read);
    }
}

TEST_F(JournalEditTest, KeepsPermissionsAndSymlinks) {
    const std::filesystem::path target = folder_ / "real.txt";
    test::WriteBytes(target, HEADER);
    std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
    std::filesystem::create_symlink("real.txt", journal_);
    EXPECT_EQ(SaveEntry(journal_, Entry(DAY)), EditOutcome::Saved);
    EXPECT_TRUE(std::filesystem::is_symlink(journal_));
    EXPECT_EQ(test::ReadBytes(target), HEADER + std::string("2003/04/05,36.5,,\r\n"));
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms::owner_read |
                                                                 std::filesystem::perms::owner_write |
                                                                 std::filesystem::perms::group_read);
}

// The messages are proven where they show: the dispatcher's boxes and the tool's output.
TEST(TemperatureForSaveTest, ListIndexOrTheScannedValue) {
    EXPECT_EQ(TemperatureForSave(0, 360), 375);
    EXPECT_EQ(TemperatureForSave(10, 360), 365);
    EXPECT_EQ(TemperatureForSave(20, 360), 355);
    EXPECT_EQ(TemperatureForSave(-1, 381), 381); // nothing selected: the scanned value, never 37.6
}

} // namespace
} // namespace plenta
