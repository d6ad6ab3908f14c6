// SPDX-License-Identifier: GPL-3.0-or-later
// The scan over whole journal files: cycle counting, statistics, the picked date's selection and the
// comments.
#include "journal/JournalScan.h"
#include "JournalBuilder.h"
#include "TempFolder.h"
#include "journal/DayNumbers.h"
#include "journal/JournalLock.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace plenta {
namespace {

using namespace std::chrono;
using test::DaysAfter;
using test::JournalBuilder;

constexpr Date START = 2003y / January / 1d;

class JournalScanTest : public testing::Test {
protected:
    JournalScan Scan(const std::string &bytes, Date picked = START, Date today = START) {
        test::WriteBytes(journal_, bytes);
        auto scan = LoadJournal(journal_, picked, today);
        EXPECT_TRUE(scan.has_value());
        return scan.value_or(JournalScan{});
    }

    test::TempFolder folder_;
    std::filesystem::path journal_ = folder_ / "Plenta.txt";
};

TEST_F(JournalScanTest, HeaderOnly) {
    const JournalScan scan = Scan(test::HEADER);
    EXPECT_EQ(scan.table.count, 0);
    EXPECT_EQ(scan.stats.recordCount, 0);
    EXPECT_EQ(scan.stats.spanDays, 1);
    EXPECT_EQ(scan.stats.cycleCount, 0);
    EXPECT_EQ(scan.stats.averageCycleLength, 0);
    EXPECT_EQ(scan.stats.longestCycle, 0);
    EXPECT_EQ(scan.stats.mucusFirstDay, 34);
    EXPECT_EQ(scan.stats.mucusLastDay, 0);
    EXPECT_EQ(scan.stats.todayCycleDay, 0); // no record: no cycle to continue
    EXPECT_EQ(scan.stats.selectedCycleDay, 0);
    EXPECT_FALSE(scan.selection.hasEntry);
    EXPECT_EQ(scan.selection.date, "2003/01/01");
}

TEST_F(JournalScanTest, SpanWithoutMarks) {
    const JournalScan scan =
        Scan(JournalBuilder().Add(2003y / April / 1d).Add(2003y / April / 3d).Add(2003y / May / 10d).Text());
    EXPECT_EQ(scan.stats.spanDays, 40);
    ASSERT_EQ(scan.table.count, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(scan.table.points[static_cast<std::size_t>(i)].cycleDay, 0);
    }
}

// First-day records `gaps` days apart, one record a day in between.
std::string Cycles(std::initializer_list<int> gaps) {
    JournalBuilder journal;
    int offset = 0;
    for (const int gap : gaps) {
        journal.Daily(DaysAfter(START, offset), gap, [](int i) { return i == 0 ? "1" : ""; });
        offset += gap;
    }
    journal.Add(DaysAfter(START, offset), "1");
    return journal.Text();
}

TEST_F(JournalScanTest, CountsCyclesWithTheirMeanLength) {
    struct Case {
        std::initializer_list<int> gaps;
        int cycles;
        int average; // sum / count, truncated
        int longest;
    } const cases[] = {
        {{28, 29, 30}, 3, 29, 30},
        {{28, 29}, 2, 28, 29},
        {{30, 28}, 2, 29, 30},
        {{28, 29, 30, 31, 32}, 5, 30, 32}, // a running average would stay at 28
        {{32, 26, 26, 27}, 4, 27, 32},
        {{34}, 1, 34, 34},
        {{35}, 0, 0, 0}, // day 36 leaves the counted cycle
        {{40, 28}, 1, 28, 28},
    };
    for (const Case &c : cases) {
        const JournalScan scan = Scan(Cycles(c.gaps));
        EXPECT_EQ(scan.stats.cycleCount, c.cycles) << *c.gaps.begin();
        EXPECT_EQ(scan.stats.averageCycleLength, c.average) << *c.gaps.begin();
        EXPECT_EQ(scan.stats.longestCycle, c.longest) << *c.gaps.begin();
    }
    // A second first-day record of a date that began a cycle (merged or edited by hand, first or last) starts
    // no cycle of 0 days.
    const std::string twice =
        JournalBuilder().Add(START, "1").Text() + Cycles({28, 30}).substr(test::HEADER.size()) +
        JournalBuilder().Add(DaysAfter(START, 58), "1").Text().substr(test::HEADER.size());
    const JournalScan scan = Scan(twice);
    EXPECT_EQ(scan.stats.cycleCount, 2);
    EXPECT_EQ(scan.stats.averageCycleLength, 29);
}

TEST_F(JournalScanTest, CycleDaysStopAfterDay35) {
    const JournalScan scan = Scan(Cycles({40}));
    ASSERT_EQ(scan.table.count, 41);
    EXPECT_EQ(scan.table.points[0].cycleDay, 1);
    EXPECT_EQ(scan.table.points[34].cycleDay, 35);
    EXPECT_EQ(scan.table.points[35].cycleDay, 0);
    EXPECT_EQ(scan.table.points[39].cycleDay, 0);
    EXPECT_EQ(scan.table.points[40].cycleDay, 1);
    EXPECT_EQ(scan.table.points[40].marks, MARK_FIRST_DAY);
}

TEST_F(JournalScanTest, MarksAndTheirCounters) {
    JournalBuilder journal;
    journal.Add(START, "S"); // before any first day: cycle day 0
    journal.Daily(DaysAfter(START, 1), 28, [](int i) {
        return i == 0 ? "1" : i == 13 ? "E" : (i >= 11 && i <= 15) ? "SX" : "";
    });
    journal.Daily(DaysAfter(START, 29), 20, [](int i) { return i == 0 ? "1ESX" : i == 13 ? "XE" : ""; });
    const JournalScan scan = Scan(journal.Text());
    EXPECT_EQ(scan.stats.mucusFirstDay, 0); // the day-0 record counts
    EXPECT_EQ(scan.stats.mucusLastDay, 16);
    const JournalScan firstCycle = Scan(
        JournalBuilder().Daily(START, 20, [](int i) { return i == 0    ? "1"
                                                             : i == 11 ? "S"
                                                                       : ""; }).Text());
    EXPECT_EQ(firstCycle.stats.mucusFirstDay, 12);
    EXPECT_EQ(firstCycle.stats.mucusLastDay, 12);
    EXPECT_EQ(scan.stats.ovulationCounts[14], 2);
    EXPECT_EQ(scan.stats.ovulationCounts[1], 1);
    EXPECT_EQ(scan.stats.intercourseCounts[12], 1);
    EXPECT_EQ(scan.stats.intercourseCounts[14], 1);
    EXPECT_EQ(scan.table.points[0].marks, MARK_MUCUS);
    EXPECT_EQ(scan.table.points[29].marks, MARK_FIRST_DAY | MARK_MUCUS | MARK_OVULATION | MARK_INTERCOURSE);
    EXPECT_EQ(scan.table.points[29].cycleDay, 1);
}

TEST_F(JournalScanTest, TodayAndPickedCycleDay) {
    // Cycle day 10 on the last record, three days before today.
    const std::string text =
        JournalBuilder().Daily(START, 10, [](int i) { return i == 0 ? "1" : ""; }).Text();
    const Date firstDay = START;
    const JournalScan scan = Scan(text, DaysAfter(firstDay, 40), DaysAfter(firstDay, 12));
    EXPECT_EQ(scan.stats.todayCycleDay, 13);
    EXPECT_EQ(scan.stats.selectedCycleDay, 41);
    EXPECT_EQ(Scan(text, DaysAfter(firstDay, -1)).stats.selectedCycleDay, 0);
    EXPECT_EQ(Scan(text, firstDay).stats.selectedCycleDay, 1);
    // No first-day record at all: no cycle day to pick.
    EXPECT_EQ(Scan(JournalBuilder().Add(START, "S").Text(), DaysAfter(START, 5)).stats.selectedCycleDay, 0);
}

TEST_F(JournalScanTest, StatisticsText) {
    std::string text = Cycles({28, 28});
    const JournalScan scan = Scan(text, START, DaysAfter(START, 56 + 2));
    EXPECT_EQ(scan.stats.statisticsText, "Datenbank hat 57 Einträge\nZeitraum:\t57 Tag(e)\nZyklen:\t\t2\n"
                                         "Durchschnitt:\t28 Tage\nNächste Periode in 25 Tag(en)");
    // The mean of 28, 29 and 30 days, less today's cycle day 3, gives the next period.
    const JournalScan mean = Scan(Cycles({28, 29, 30}), START, DaysAfter(START, 87 + 2));
    EXPECT_NE(mean.stats.statisticsText.find("Durchschnitt:\t29 Tage\nNächste Periode in 26 Tag(en)"),
              std::string::npos);
    // Without a counted cycle there is no average to count on from; the other lines keep their numbers.
    EXPECT_EQ(Scan(test::HEADER).stats.statisticsText,
              "Datenbank hat 0 Einträge\nZeitraum:\t1 Tag(e)\nZyklen:\t\t0\nDurchschnitt:\t0 Tage\n"
              "Nächste Periode: unbekannt");
    EXPECT_EQ(Scan(Cycles({35}), START, DaysAfter(START, 36)).stats.statisticsText,
              "Datenbank hat 36 Einträge\nZeitraum:\t36 Tag(e)\nZyklen:\t\t0\nDurchschnitt:\t0 Tage\n"
              "Nächste Periode: unbekannt");
}

TEST_F(JournalScanTest, SelectionOfThePickedDate) {
    const std::string longComment(100, 'w');
    const std::string text = JournalBuilder()
                                 .Add(2003y / April / 4d, "1", "vorher", 362)
                                 .Add(2003y / April / 5d, "S", "erst", 364)
                                 .Add(2003y / April / 5d, "SE", "zu sp\xE4t", 366)
                                 .Add(2003y / April / 6d, "X", longComment, 367)
                                 .Text();
    const JournalScan scan = Scan(text, 2003y / April / 5d);
    EXPECT_TRUE(scan.selection.hasEntry);
    EXPECT_EQ(scan.selection.date, "2003/04/05");
    EXPECT_EQ(scan.selection.marks, "SE");
    EXPECT_EQ(scan.selection.comment, "zu spät");
    EXPECT_EQ(scan.selection.temperature, 366);

    // Whole, however long: the form shows and a save keeps exactly what the journal holds.
    const JournalScan whole = Scan(text, 2003y / April / 6d);
    EXPECT_EQ(whole.selection.comment, longComment);
    EXPECT_FALSE(Scan(text, 2003y / April / 7d).selection.hasEntry);
}

TEST_F(JournalScanTest, CommentListIgnoresCaseInOrderOfFirstAppearance) {
    const std::string text = JournalBuilder()
                                 .Add(2003y / April / 1d, "", "alk")
                                 .Add(2003y / April / 2d, "", "Alk")
                                 .Add(2003y / April / 3d, "", "sp\xE4t")
                                 .Add(2003y / April / 4d, "", "SP\xC4T")
                                 .Add(2003y / April / 5d, "", "")
                                 .Add(2003y / April / 6d, "",
                                      "\xDC"
                                      "bel")
                                 .Add(2003y / April / 7d, "", "zu sp\xE4t")
                                 .Add(2003y / April / 8d, "", "ZU SP\xC4T")
                                 .Add(2003y / April / 9d, "", "zu")
                                 .Add(2003y / April / 10d, "",
                                      "\x8C"
                                      "uvre")
                                 .Add(2003y / April / 11d, "",
                                      "\x9C"
                                      "UVRE")
                                 .Text();
    // Whole comments, so "zu" is an item of its own beside "zu spät"; Œ and œ are one letter in two cases.
    const std::vector<std::string> expected{"alk", "spät", "Übel", "zu spät", "zu", "Œuvre"};
    EXPECT_EQ(Scan(text).comments, expected);
}

TEST_F(JournalScanTest, SkipsFirstLineAndMalformedLinesButReadsAnUnterminatedTail) {
    const std::string text = "2003/04/01,36.5,1,kopf\r\n" // the first line, even as a record, is skipped
                             "\r\n"
                             "2003/04/02,36.5\r\n"
                             "2003/02/30,36.5,1,\r\n"
                             "2003/04/03,36-5,1,\r\n"
                             "2003/04/03,36.55,1,zwei Stellen\r\n"
                             "2003/04/04,36.6,1,ok\n" // a bare LF line end reads the same
                             "junk without any date at all, but long enough\r\n"
                             "1600/12/31,36.5,1,vor den Tagnummern\r\n"
                             "2003/04/05,36.7,S,halb"; // no LF, as many editors end a file
    const JournalScan scan = Scan(text, 2003y / April / 5d);
    ASSERT_EQ(scan.table.count, 2);
    EXPECT_EQ(scan.table.points[0].temperature, 366);
    EXPECT_TRUE(scan.selection.hasEntry);
    EXPECT_EQ(scan.comments, (std::vector<std::string>{"ok", "halb"}));

    // While another program holds the journal open for writing, a tail without LF may be cut short: no
    // record.
    const int writer = ::open(journal_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    const std::optional<JournalScan> writing = LoadJournal(journal_, 2003y / April / 5d, START);
    ::close(writer);
    ASSERT_TRUE(writing);
    EXPECT_EQ(writing->table.count, 1);
    EXPECT_FALSE(writing->selection.hasEntry);
}

TEST_F(JournalScanTest, MoreRecordsThanTheTableHolds) {
    const int days = DAYPOINT_CAPACITY + 150;
    const std::string text =
        JournalBuilder().Daily(START, days, [](int i) { return i % 28 == 0 ? "1" : ""; }).Text();
    const JournalScan scan = Scan(text);
    EXPECT_EQ(scan.table.count, DAYPOINT_CAPACITY);
    EXPECT_EQ(scan.stats.recordCount, days);
    EXPECT_EQ(scan.stats.spanDays, days);
    EXPECT_EQ(scan.stats.cycleCount, (days - 1) / 28);
    // The table holds the most recent records, oldest first: record i has cycle day i % 28 + 1.
    for (int k = 0; k < DAYPOINT_CAPACITY; ++k) {
        const int record = days - DAYPOINT_CAPACITY + k;
        ASSERT_EQ(scan.table.points[static_cast<std::size_t>(k)].cycleDay, record % 28 + 1) << k;
    }
    EXPECT_NE(scan.stats.statisticsText.find("hat 950 Eintr"), std::string::npos);
}

TEST_F(JournalScanTest, MarkCountsStopAtTheirLimitInsteadOfWrapping) {
    // Without a first-day mark every record falls on cycle day 0, so its counts pass 65,535 there.
    const int days = 65'540;
    const JournalScan scan = Scan(JournalBuilder().Daily(START, days, [](int) { return "XE"; }).Text());
    EXPECT_EQ(scan.stats.recordCount, days);
    EXPECT_EQ(scan.stats.intercourseCounts[0], 65'535);
    EXPECT_EQ(scan.stats.ovulationCounts[0], 65'535);
}

TEST_F(JournalScanTest, RecordsOutOfOrderStayInRange) {
    const std::string text = JournalBuilder()
                                 .Add(2003y / April / 10d, "1")
                                 .Add(2003y / April / 12d, "E")
                                 .Add(2003y / March / 1d, "EX")  // 42 days back
                                 .Add(2003y / April / 11d, "SE") // 41 forward, but the cycle was left
                                 .Add(2001y / January / 1d, "1")
                                 .Add(2000y / January / 1d, "SEX")
                                 .Text();
    const JournalScan scan = Scan(text, 2003y / April / 12d, 2003y / April / 12d);
    ASSERT_EQ(scan.table.count, 6);
    EXPECT_EQ(scan.table.points[1].cycleDay, 3);
    for (int i = 2; i < 6; ++i) {
        if (i != 4) {
            EXPECT_EQ(scan.table.points[static_cast<std::size_t>(i)].cycleDay, 0) << i;
        }
    }
    EXPECT_EQ(scan.stats.ovulationCounts[0], 3);
    EXPECT_EQ(scan.stats.ovulationCounts[3], 1);
    EXPECT_EQ(scan.stats.intercourseCounts[0], 2);
    EXPECT_EQ(scan.stats.cycleCount, 0);
    EXPECT_GE(scan.stats.mucusFirstDay, 0);
}

// Each journal that cannot be read says why, so that the tool can tell a missing journal from a folder.
TEST_F(JournalScanTest, CannotOpenAndSaysWhy) {
    LoadFailure failure;
    EXPECT_FALSE(LoadJournal(journal_, START, START, &failure).has_value());
    EXPECT_EQ(failure.file, journal_);
    EXPECT_EQ(failure.reason, "kann nicht geöffnet werden: " + std::string(std::strerror(ENOENT)));
    std::filesystem::create_directory(journal_);
    EXPECT_FALSE(LoadJournal(journal_, START, START, &failure).has_value());
    EXPECT_EQ(failure.reason, "ist keine reguläre Datei");
}

TEST_F(JournalScanTest, WaitsForAWriterAtMostASecond) {
    test::WriteBytes(journal_, test::HEADER);
    const int fd = ::open(JournalLock::LockPathOf(journal_).c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    LoadFailure failure;
    EXPECT_FALSE(LoadJournal(journal_, START, START, &failure).has_value());
    EXPECT_EQ(failure.reason, "ist von einem anderen Programm gesperrt");
    ::close(fd);
    EXPECT_TRUE(LoadJournal(journal_, START, START).has_value());
}

TEST(DayNumberTest, CountsDaysSince1601) {
    EXPECT_EQ(DayNumber(1601y / January / 1d), 0);
    EXPECT_EQ(DayNumber(1601y / December / 31d), 364);
    EXPECT_EQ(DayNumber(1970y / January / 1d), 134774); // the FILETIME epoch offset in days
    EXPECT_EQ(DayNumber(2003y / May / 10d) - DayNumber(2003y / April / 1d), 39);
    EXPECT_EQ(CycleDayOf(2003y / April / 1d, 2003y / May / 10d), 40);
    EXPECT_EQ(CycleDayOf(2003y / April / 1d, 2003y / March / 31d), 0);
}

} // namespace
} // namespace plenta
