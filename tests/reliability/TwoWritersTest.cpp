// SPDX-License-Identifier: GPL-3.0-or-later
// Two processes save 500 different dates each into one journal at the same time: the lock beside the journal
// must keep every one of the 1,000 records, in date order, one per date.
#include "JournalBytes.h"
#include "TempFolder.h"
#include "ToolRunner.h"

#include "journal/JournalExport.h"
#include "journal/JournalRecord.h"
#include "journal/JournalScan.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace plenta::reliability {
namespace {

using namespace test; // the tool runner

using namespace std::chrono;

constexpr int DATES_PER_WRITER = 500;

Date DateAt(int offset) {
    return sys_days{year{2020} / January / 1} + days{offset};
}

// Writer 0 takes the even day offsets upwards, writer 1 the odd ones downwards, so their records interleave.
int OffsetOf(int writer, int step) {
    return writer == 0 ? 2 * step : 2 * (DATES_PER_WRITER - 1 - step) + 1;
}

std::string TemperatureOf(int offset) {
    return "36." + std::to_string(offset % 10);
}

TEST(TwoWriters, EveryRecordOfBothWritersSurvives) {
    TempFolder folder;
    const std::filesystem::path journal = folder.Journal();
    std::array<int, 2> failures{};
    std::vector<std::thread> writers;
    for (int writer = 0; writer < 2; ++writer) {
        writers.emplace_back([&, writer] {
            for (int step = 0; step < DATES_PER_WRITER; ++step) {
                const int offset = OffsetOf(writer, step);
                const ToolResult exit = RunTool(ToolArgs(
                    journal, {"save", "--date", IsoDate(DateAt(offset)), "--temperature",
                              TemperatureOf(offset), "--comment", writer == 0 ? "erster" : "zweiter"}));
                failures[writer] += exit.exitCode != 0;
            }
        });
    }
    std::atomic<bool> writing{true};
    int scans = 0;
    int fallen = 0;
    std::thread reader([&] {
        std::int32_t seen = 0;
        while (writing) {
            if (const auto scan = LoadJournal(journal, DateAt(0), DateAt(0))) {
                fallen += scan->stats.recordCount < seen;
                seen = scan->stats.recordCount;
                ++scans;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5)); // a window scans on a user's action
        }
    });
    for (std::thread &writer : writers) {
        writer.join();
    }
    writing = false;
    reader.join();
    EXPECT_EQ(failures[0] + failures[1], 0) << "saves that did not report success";
    EXPECT_EQ(fallen, 0) << "a scan saw fewer records than the one before it";

    std::vector<std::string> expected{std::string(HEADER)};
    for (int offset = 0; offset < 2 * DATES_PER_WRITER; ++offset) {
        expected.push_back(FormatDate(DateStyle::Record, DateAt(offset)) + "," + TemperatureOf(offset) +
                           ",," + (offset % 2 == 0 ? "erster" : "zweiter") + "\r\n");
    }
    const std::vector<std::string> lines = RawLines(ReadBytes(journal).value_or(""));
    EXPECT_EQ(lines, expected);
    std::printf("two writers: %d saves, the journal holds %zu lines after the header; %d scans alongside\n",
                2 * DATES_PER_WRITER, lines.empty() ? 0 : lines.size() - 1, scans);
}

} // namespace
} // namespace plenta::reliability
