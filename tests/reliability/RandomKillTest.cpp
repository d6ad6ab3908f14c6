// SPDX-License-Identifier: GPL-3.0-or-later
// Kills the tool with SIGKILL at random moments of repeated saves and deletes. After every kill the journal
// must be byte for byte the old or the new version, and a temporary file left behind must be gone after the
// next run.
#include "JournalBytes.h"
#include "TempFolder.h"
#include "ToolRunner.h"

#include "journal/JournalEdit.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace plenta::reliability {
namespace {

using namespace test; // the tool runner

using namespace std::chrono;
using namespace std::chrono_literals;

constexpr int TRIALS = 1000;
// A loaded machine (the suite runs in parallel, next to the kill trials of other tests) may stop the run at
// the time bound; this many trials still cover both sides of the rename many times over.
constexpr int MIN_TRIALS = 250;
constexpr auto TIME_BOUND = 100s; // a slow (sanitized) build stops early rather than stall CI

enum class Kind { Save, Delete };

// One command of the run, as the library's arguments and as the tool's.
struct Command {
    Kind kind;
    EntryValues entry;
    std::vector<std::string> args;
};

Command CommandOf(int trial) {
    constexpr std::array<std::string_view, 4> MARKS{"", "1", "SE", "X"};
    constexpr std::array<std::string_view, 3> COMMENTS{"", "alk", "spät"};
    const Date date{year{2003}, month{4}, day{static_cast<unsigned>(1 + (trial * 7) % 30)}};
    char text[11];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    if (trial % 5 == 4) {
        return {.kind = Kind::Delete,
                .entry = {.date = date, .marks = {}, .comment = {}},
                .args = {"delete", "--date", text}};
    }
    const int temperature = TEMPERATURE_BOTTOM + trial % 21;
    Command command{.kind = Kind::Save,
                    .entry = {.date = date,
                              .temperature = temperature,
                              .marks = std::string(MARKS[trial % MARKS.size()]),
                              .comment = std::string(COMMENTS[trial % COMMENTS.size()])},
                    .args = {"save", "--date", text, "--temperature",
                             std::to_string(temperature / 10) + "." + std::to_string(temperature % 10)}};
    if (!command.entry.marks.empty()) {
        command.args.insert(command.args.end(), {"--marks", command.entry.marks});
    }
    if (!command.entry.comment.empty()) {
        command.args.insert(command.args.end(), {"--comment", command.entry.comment});
    }
    return command;
}

// The journal the command makes out of `before`, by the library the tool itself uses.
std::string Rewritten(const Command &command, const std::string &before,
                      const std::filesystem::path &scratch) {
    WriteBytes(scratch, before);
    const EditOutcome outcome = command.kind == Kind::Delete ? DeleteDayEntries(scratch, command.entry.date)
                                                             : SaveEntry(scratch, command.entry);
    EXPECT_TRUE(Succeeded(outcome));
    return ReadBytes(scratch).value_or("");
}

microseconds TypicalRunTime(const std::filesystem::path &journal) {
    std::vector<microseconds> runs;
    for (int trial = 0; trial < 5; ++trial) {
        const auto start = steady_clock::now();
        EXPECT_EQ(RunTool(ToolArgs(journal, CommandOf(trial).args)).exitCode, 0);
        runs.push_back(duration_cast<microseconds>(steady_clock::now() - start));
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

TEST(RandomKill, JournalIsOldOrNewAfterEveryKill) {
    TempFolder folder;
    TempFolder scratch;
    const std::filesystem::path journal = folder.Journal();
    WriteBytes(journal, std::string(HEADER) + "2003/04/01,36.4,1,\r\n2003/04/15,36.8,E,spät\r\n");
    const microseconds typical = TypicalRunTime(journal);

    std::mt19937 random(20261207);
    // The kill falls between 30 % and 100 % of a window that follows the machine's speed: it shrinks after a
    // run that finished first and grows after a kill, so about half the runs are cut, most of them late,
    // where the rewrite happens after the start-up.
    double window = static_cast<double>(typical.count());
    std::uniform_real_distribution<double> share(0.3, 1.0);
    int killedOld = 0, killedNew = 0, finished = 0, leftovers = 0, trials = 0;
    const auto start = steady_clock::now();
    for (; trials < TRIALS && steady_clock::now() - start < TIME_BOUND; ++trials) {
        const Command command = CommandOf(trials);
        const std::string before = ReadBytes(journal).value_or("");
        const std::string after = Rewritten(command, before, scratch.Journal());

        const pid_t pid = SpawnTool(ToolArgs(journal, command.args));
        std::this_thread::sleep_for(microseconds(static_cast<long>(window * share(random))));
        kill(pid, SIGKILL);
        const ToolResult exit = WaitTool(pid);

        const std::optional<std::string> now = ReadBytes(journal);
        ASSERT_TRUE(now == before || now == after) << "trial " << trials << ": torn or missing journal";
        window *= exit.signal == 0 ? 0.95 : 1.05;
        if (exit.signal == 0) {
            ASSERT_EQ(exit.exitCode, 0) << "trial " << trials;
            ASSERT_TRUE(now == after) << "trial " << trials << ": a finished run left the old journal";
            ASSERT_FALSE(std::filesystem::exists(folder.Temporary())) << "trial " << trials;
            ++finished;
            continue;
        }
        ++(now == after && after != before ? killedNew : killedOld);
        if (std::filesystem::exists(folder.Temporary())) {
            // The interrupted command, run again to its end, must clear the leftover and finish the job.
            ++leftovers;
            ASSERT_EQ(RunTool(ToolArgs(journal, command.args)).exitCode, 0) << "trial " << trials;
            ASSERT_FALSE(std::filesystem::exists(folder.Temporary())) << "trial " << trials;
            ASSERT_EQ(ReadBytes(journal), after) << "trial " << trials;
        }
    }
    std::printf(
        "random kills: %d trials (first runs took %lld us): %d killed before the rename, %d after it, "
        "%d finished; %d left a temporary file, each removed by the next run\n",
        trials, static_cast<long long>(typical.count()), killedOld, killedNew, finished, leftovers);
    // Kills on both sides of the rename and inside the write prove the delays reached the rewrite.
    EXPECT_GT(killedOld + killedNew, trials / 4) << "the delays missed the runs; the trials prove little";
    EXPECT_GT(killedNew, 0);
    EXPECT_GT(leftovers, 0);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_GE(trials, MIN_TRIALS) << "the time bound cut the trials short";
#endif
}

} // namespace
} // namespace plenta::reliability
