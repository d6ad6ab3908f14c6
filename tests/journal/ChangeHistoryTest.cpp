// SPDX-License-Identifier: GPL-3.0-or-later
// The history file: what may stand in its place, a write cut short, its bounds, and records kept to the byte.
#include "TempFolder.h"

#include "journal/ChangeHistory.h"
#include "journal/RecordedRewrite.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

namespace plenta::test {
namespace {

using std::chrono::December;

HistoryEntry Entry(std::int64_t id, std::string record = "2026/12/04,36.5,,\r\n") {
    return {
        id,     "2026-12-08T07:55:35Z",
        "save", "/j/plenta.txt",
        0,      {{Date{std::chrono::year{2026}, December, std::chrono::day{4}}, {}, {std::move(record)}}}};
}

std::string Line(std::int64_t id) {
    return HistoryLineOf(Entry(id)) + "\n";
}

struct PlaceCase {
    const char *name;
    std::function<void(const std::filesystem::path &history)> prepare;
    bool appended;
    std::size_t entriesAfter; // read back after the append; unused when the history cannot be read
};

TEST(ChangeHistory, AppendsOnlyToAPrivateRegularFileAndSkipsATornLine) {
    const std::vector<PlaceCase> cases{
        {"none yet", [](const auto &) {}, true, 1},
        {"torn last line", [](const auto &h) { WriteBytes(h, Line(1) + Line(2).substr(0, 30)); }, true, 2},
        {"readable by others",
         [](const auto &h) {
             WriteBytes(h, Line(1));
             std::filesystem::permissions(h, std::filesystem::perms(0644));
         },
         true, 2},
        {"link to a file",
         [](const auto &h) {
             WriteBytes(h.parent_path() / "elsewhere", Line(1));
             std::filesystem::create_symlink("elsewhere", h);
         },
         false, 0},
        {"FIFO", [](const auto &h) { ASSERT_EQ(::mkfifo(h.c_str(), 0600), 0); }, false, 0},
        {"folder", [](const auto &h) { std::filesystem::create_directory(h); }, false, 0},
    };
    for (const PlaceCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder root;
        const std::filesystem::path history = HistoryPathOf(root.Path());
        c.prepare(history);
        HistoryEntry entry = Entry(0);
        std::string problem;
        EXPECT_EQ(AppendHistoryEntry(history, entry, &problem), c.appended) << problem;
        const std::optional<std::vector<HistoryEntry>> read = ReadHistory(history, &problem);
        ASSERT_EQ(read.has_value(), c.appended) << problem;
        if (!c.appended) {
            EXPECT_NE(problem.find(history.string()), std::string::npos) << problem;
            EXPECT_EQ(ReadBytes(root / "elsewhere"),
                      std::filesystem::exists(root / "elsewhere") ? Line(1) : "");
            continue;
        }
        ASSERT_EQ(read->size(), c.entriesAfter);
        EXPECT_EQ(read->back().id, static_cast<std::int64_t>(c.entriesAfter));
        EXPECT_EQ(read->back().dates[0].after, Entry(0).dates[0].after);
        struct stat info {};
        ASSERT_EQ(::stat(history.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u);
    }
}

// Past either bound the oldest go, a quarter at once, and the ids go on from the newest.
TEST(ChangeHistory, OldestEntriesGoBeyondEitherBound) {
    struct BoundCase {
        const char *name;
        std::size_t entries;
        std::size_t recordBytes;
    };
    const std::vector<BoundCase> cases{{"entries", MAX_HISTORY_ENTRIES, 20},
                                       {"bytes", 40, MAX_HISTORY_BYTES / 40}};
    for (const BoundCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder root;
        const std::filesystem::path history = HistoryPathOf(root.Path());
        std::string text;
        for (std::size_t id = 1; id <= c.entries; ++id) {
            text +=
                HistoryLineOf(Entry(static_cast<std::int64_t>(id), std::string(c.recordBytes, 'x'))) + "\n";
        }
        WriteBytes(history, text);
        HistoryEntry entry = Entry(0);
        ASSERT_TRUE(AppendHistoryEntry(history, entry));
        EXPECT_EQ(entry.id, static_cast<std::int64_t>(c.entries) + 1);
        const std::vector<HistoryEntry> read = ReadHistory(history).value();
        EXPECT_LE(read.size(), MAX_HISTORY_ENTRIES / 4 * 3);
        EXPECT_LE(std::filesystem::file_size(history), MAX_HISTORY_BYTES / 4 * 3);
        EXPECT_GT(read.size(), 1u);
        for (std::size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].id, entry.id - static_cast<std::int64_t>(read.size() - 1 - i));
        }
    }
}

// Every byte a journal line can hold comes back as it was: the history keeps what an undo writes back.
TEST(ChangeHistory, RecordsReadBackByteForByte) {
    std::string bytes("2026/12/04,36.5,,\0", 18);
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\n') {
            bytes += static_cast<char>(byte);
        }
    }
    bytes += "\n";
    const std::optional<HistoryEntry> read = ParseHistoryLine(HistoryLineOf(Entry(7, bytes)));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->dates[0].after[0], bytes);
    EXPECT_FALSE(ParseHistoryLine(HistoryLineOf(Entry(7)).substr(0, 40)));
}

// The dates a rewrite changed, found from the journal before and after it. Regressions: a change in a
// temperature's first digit cut the record short and lost the date.
TEST(ChangeHistory, ChangedDatesAreTheDatesWhoseRecordsDiffer) {
    const std::string a = "2026/12/01,36.5,,\r\n";
    const std::string b = "2026/12/02,36.6,S,\r\n";
    struct ChangeCase {
        const char *name;
        std::string before;
        std::string after;
        std::vector<unsigned> days; // of December 2026
    };
    const std::vector<ChangeCase> cases{
        {"last digit", HEADER + a + b, HEADER + a + "2026/12/02,36.7,S,\r\n", {2}},
        {"first digit", HEADER + a + b, HEADER + "2026/12/01,37.5,,\r\n" + b, {1}},
        {"added", HEADER + b, HEADER + a + b, {1}},
        {"deleted", HEADER + a + b, HEADER + a, {2}},
        {"one of two records of a date", HEADER + a + a + b, HEADER + a + b, {1}},
        {"last line ended only", HEADER + a + b.substr(0, b.size() - 2), HEADER + a + b, {}},
        {"header given to an empty journal", "", HEADER, {}},
        {"lines that are no record", HEADER + "x\r\n" + a, HEADER + "y\r\n" + a, {}},
    };
    for (const ChangeCase &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned> days;
        for (const DateChange &change : ChangedDates(c.before, c.after)) {
            days.push_back(static_cast<unsigned>(change.date.day()));
        }
        EXPECT_EQ(days, c.days);
    }
}

} // namespace
} // namespace plenta::test
