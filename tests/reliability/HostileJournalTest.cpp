// SPDX-License-Identifier: GPL-3.0-or-later
// Journals a person or a broken sync could leave behind: garbage, odd line ends, impossible dates and
// temperatures, huge lines, disorder, nothing at all. The scan must give defined results, and a save or a
// delete must change only the lines of its own date, every other line staying byte for byte.
#include "JournalBytes.h"
#include "TempFolder.h"

#include "journal/JournalEdit.h"
#include "journal/JournalRecord.h"
#include "journal/JournalScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace plenta::reliability {
namespace {

using namespace std::chrono;

constexpr Date TODAY{year{2026}, month{12}, day{7}};

std::string OneMegabyteLine() {
    return std::string(HEADER) + "2003/04/01,36.5,1,\r\n" + std::string(1 << 20, 'x') + "\r\n" +
           "2003/04/02,36.6,,\r\n";
}

std::string OneMegabyteComment() {
    return std::string(HEADER) + "2003/04/01,36.5,1,\r\n2003/04/03,36.7,S," + std::string(1 << 20, 'y') +
           "\r\n";
}

// One record a day from 1 January 1700 on.
std::string HundredThousandRecords() {
    std::string bytes(HEADER);
    const sys_days first{year{1700} / January / 1};
    for (int offset = 0; offset < 100000; ++offset) {
        const Date date{first + days{offset}};
        char line[40];
        std::snprintf(line, sizeof line, "%04d/%02u/%02u,36.%d,%s,\r\n", static_cast<int>(date.year()),
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), offset % 10,
                      offset % 28 == 0 ? "1" : "");
        bytes += line;
    }
    return bytes;
}

struct HostileCase {
    const char *name;          // a file in tests/data/hostile, or the name of a generated journal
    std::string (*generate)(); // builds the journal instead of reading a file
    int records;               // what the scan counts
    Date saveDate;             // the save stores 36.6, SE, "probe" there
    Date deleteDate;
    int deletedLines; // lines of deleteDate the delete removes
};

void PrintTo(const HostileCase &hostile, std::ostream *out) {
    *out << hostile.name;
}

constexpr Date D(int y, unsigned m, unsigned d) {
    return Date{year{y}, month{m}, day{d}};
}

const HostileCase HOSTILE_CASES[] = {
    {"binary-garbage.txt", nullptr, 0, D(2031, 7, 15), D(2003, 4, 5), 0},
    {"cr-only.txt", nullptr, 0, D(2003, 4, 2), D(2003, 4, 2), 0},
    {"lf-only.txt", nullptr, 3, D(2003, 4, 2), D(2003, 4, 3), 1},
    {"utf8-bom.txt", nullptr, 3, D(2003, 4, 4), D(2003, 4, 1), 1},
    // A last line without LF is a line like any other: the scan reads it, a rewrite gives it its line end.
    {"no-final-lf.txt", nullptr, 3, D(2003, 4, 10), D(2003, 4, 3), 1},
    {"impossible-dates.txt", nullptr, 2, D(2003, 4, 5), D(2004, 2, 29), 1},
    {"bad-temperatures.txt", nullptr, 3, D(2003, 4, 6), D(2003, 4, 3), 1},
    {"out-of-order.txt", nullptr, 6, D(2003, 4, 5), D(2003, 4, 5), 3},
    {"header-only.txt", nullptr, 0, D(2003, 4, 5), D(2003, 4, 5), 0},
    {"empty.txt", nullptr, 0, D(2003, 4, 5), D(2003, 4, 5), 0},
    {"long-attribute.txt", nullptr, 2, D(2003, 4, 6), D(2003, 4, 5), 1},
    {"one-megabyte-line", OneMegabyteLine, 2, D(2003, 4, 1), D(2003, 4, 2), 1},
    // A line beyond the scan's bound (64 KiB) is no record for any command, even one that begins like a
    // record: the delete of its date leaves it.
    {"one-megabyte-comment", OneMegabyteComment, 1, D(2003, 4, 2), D(2003, 4, 3), 0},
    {"hundred-thousand-records", HundredThousandRecords, 100000, D(1800, 6, 15), D(1900, 2, 28), 1},
};

std::string DatePrefix(Date date) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04d/%02u/%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return prefix;
}

class HostileJournal : public testing::TestWithParam<HostileCase> {
protected:
    void SetUp() override {
        const HostileCase &hostile = GetParam();
        original_ =
            hostile.generate != nullptr
                ? hostile.generate()
                : ReadBytes(std::filesystem::path(PLENTA_TEST_DATA) / "hostile" / hostile.name).value();
        WriteBytes(folder_.Journal(), original_);
    }

    TempFolder folder_;
    std::string original_;
};

TEST_P(HostileJournal, ScanGivesDefinedResults) {
    const std::optional<JournalScan> scan = LoadJournal(folder_.Journal(), GetParam().saveDate, TODAY);
    ASSERT_TRUE(scan.has_value());
    EXPECT_EQ(scan->stats.recordCount, GetParam().records);
    EXPECT_EQ(scan->table.count, std::min(GetParam().records, DAYPOINT_CAPACITY));
    for (int i = 0; i < scan->table.count; ++i) {
        EXPECT_LE(scan->table.points[static_cast<std::size_t>(i)].cycleDay, MAX_CYCLE_DAY) << "point " << i;
    }
    EXPECT_LE(scan->selection.comment.size(), 3u * MAX_RECORD_TEXT_BYTES); // 1252 in UTF-8
    EXPECT_EQ(ReadBytes(folder_.Journal()), original_) << "a scan must never write";
}

TEST_P(HostileJournal, SaveChangesOnlyItsDate) {
    const Date date = GetParam().saveDate;
    const std::string prefix = DatePrefix(date);
    const std::string record = prefix + ",36.6,SE,probe\r\n";
    std::vector<std::string> others = WithoutDate(CarriedLines(original_), date);
    const bool replaces = others.size() != CarriedLines(original_).size();
    if (original_.empty()) {
        others.insert(others.begin(), std::string(HEADER)); // an empty journal gets its header
    }

    const EditOutcome outcome =
        SaveEntry(folder_.Journal(), {.date = date, .temperature = 366, .marks = "SE", .comment = "probe"});
    EXPECT_EQ(outcome, replaces ? EditOutcome::Replaced : EditOutcome::Saved);

    std::vector<std::string> lines = RawLines(ReadBytes(folder_.Journal()).value_or(""));
    const auto newRecord = std::find(lines.begin(), lines.end(), record);
    ASSERT_NE(newRecord, lines.end()) << "the saved record is missing";
    lines.erase(newRecord);
    EXPECT_TRUE(lines == others) << "a line of another date changed, moved or went missing";
    EXPECT_FALSE(std::filesystem::exists(folder_.Temporary()));

    const std::optional<JournalScan> scan = LoadJournal(folder_.Journal(), date, TODAY);
    ASSERT_TRUE(scan.has_value());
    EXPECT_TRUE(scan->selection.hasEntry);
    EXPECT_EQ(scan->selection.temperature, 366);
    EXPECT_EQ(scan->selection.marks, "SE");
    EXPECT_EQ(scan->selection.comment, "probe");
}

TEST_P(HostileJournal, DeleteRemovesOnlyItsDate) {
    const Date date = GetParam().deleteDate;
    const std::vector<std::string> carried = CarriedLines(original_);
    const std::vector<std::string> others = WithoutDate(carried, date);
    EXPECT_EQ(carried.size() - others.size(), static_cast<std::size_t>(GetParam().deletedLines));

    EXPECT_EQ(DeleteDayEntries(folder_.Journal(), date), EditOutcome::Deleted);
    EXPECT_TRUE(RawLines(ReadBytes(folder_.Journal()).value_or("")) == others)
        << "a line of another date changed, moved or went missing";
    EXPECT_FALSE(std::filesystem::exists(folder_.Temporary()));

    const std::optional<JournalScan> scan = LoadJournal(folder_.Journal(), date, TODAY);
    ASSERT_TRUE(scan.has_value());
    EXPECT_FALSE(scan->selection.hasEntry);
}

INSTANTIATE_TEST_SUITE_P(Reliability, HostileJournal, testing::ValuesIn(HOSTILE_CASES),
                         [](const testing::TestParamInfo<HostileCase> &info) {
                             std::string name = info.param.name;
                             std::replace_if(
                                 name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

} // namespace
} // namespace plenta::reliability
