// SPDX-License-Identifier: GPL-3.0-or-later
// Kills the tool's merge, import, undo and restore with SIGKILL at random moments. After every kill the
// journal must be byte for byte the old or the new version, the conflict copy must still be there unless the
// merge finished, and the history must never list a change the journal does not hold.
#include "JournalBytes.h"
#include "TempFolder.h"
#include "ToolRunner.h"

#include "journal/ChangeHistory.h"
#include "journal/JournalExport.h"
#include "journal/JournalImport.h"
#include "journal/JournalMerge.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <thread>

namespace plenta::reliability {
namespace {

using namespace test; // the tool runner

using namespace std::chrono;
using namespace std::chrono_literals;

constexpr int TRIALS = 120;
constexpr auto TIME_BOUND = 30s; // a slow (sanitized) build stops early rather than stall CI

// Records of `days` days from 1 January 2026; with `changeEvery`, every such day has another temperature.
std::string Records(int days, int changeEvery) {
    std::string text(HEADER);
    const sys_days first{year{2026} / January / 1};
    for (int i = 0; i < days; ++i) {
        const year_month_day date{first + std::chrono::days{i}};
        char line[40];
        std::snprintf(line, sizeof line, "%04d/%02u/%02u,36.%d,%s,\r\n", static_cast<int>(date.year()),
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                      changeEvery > 0 && i % changeEvery == 0 ? 9 : i % 8, i % 28 == 0 ? "1" : "");
        text += line;
    }
    return text;
}

// Runs the tool with `args` and kills it at random moments; after every kill the journal must be `before` or
// `after` byte for byte. `reset` puts the files back before each run; `check` judges the other files.
void KillTrials(const char *what, const std::filesystem::path &journal, const std::vector<std::string> &args,
                const std::string &before, const std::string &after, const std::function<void()> &reset,
                const std::function<void(bool finished, bool written)> &check) {
    std::mt19937 random(20261207);
    double window = 0;
    for (int run = 0; run < 3; ++run) {
        reset();
        const auto start = steady_clock::now();
        const ToolResult result = RunTool(args);
        ASSERT_EQ(result.exitCode, 0) << what << ": " << result.err;
        window = std::max(
            window, static_cast<double>(duration_cast<microseconds>(steady_clock::now() - start).count()));
        ASSERT_EQ(ReadBytes(journal), after);
    }
    std::uniform_real_distribution<double> share(0.2, 1.1);
    int killedOld = 0, killedNew = 0, finished = 0, trials = 0;
    const auto start = steady_clock::now();
    for (; trials < TRIALS && steady_clock::now() - start < TIME_BOUND; ++trials) {
        reset();
        const pid_t pid = SpawnTool(args);
        std::this_thread::sleep_for(microseconds(static_cast<long>(window * share(random))));
        kill(pid, SIGKILL);
        const ToolResult exit = WaitTool(pid);
        const std::optional<std::string> now = ReadBytes(journal);
        ASSERT_TRUE(now == before || now == after) << "trial " << trials << ": torn or missing journal";
        if (exit.signal == 0) {
            ASSERT_EQ(exit.exitCode, 0);
            ++finished;
        } else {
            ++(now == after ? killedNew : killedOld);
        }
        check(exit.signal == 0, now == after);
        window *= exit.signal == 0 ? 0.95 : 1.05;
    }
    std::printf("%s kills: %d trials: %d killed before the rename, %d after it, %d finished\n", what, trials,
                killedOld, killedNew, finished);
    EXPECT_GT(killedOld + killedNew, trials / 4) << "the delays missed the runs; the trials prove little";
}

TEST(MergeKill, JournalIsOldOrMergedAfterEveryKill) {
    TempFolder folder;
    const std::filesystem::path journal = folder.Journal();
    const std::filesystem::path copy = folder.Path() / "plenta.sync-conflict-20261207-090609-XO4L3VF.txt";
    const std::string before = Records(365, 0);
    const std::string copied = Records(400, 3);
    WriteBytes(copy, copied);
    std::string merged;
    const std::optional<OtherJournal> other = ReadOtherJournal(copy);
    ASSERT_TRUE(other);
    MergeRecords(before, std::span(&*other, 1), MergePreference::Other, merged);
    ASSERT_NE(merged, before);
    KillTrials(
        "merge", journal, ToolArgs(journal, {"merge", "--prefer", "other", "--remove-merged", copy.string()}),
        before, merged,
        [&] {
            WriteBytes(journal, before);
            WriteBytes(copy, copied);
        },
        [&](bool finished, bool written) {
            // The copy goes only after the merged journal is in place.
            ASSERT_TRUE(written || std::filesystem::exists(copy));
            ASSERT_TRUE(!finished || !std::filesystem::exists(copy));
        });
}

TEST(MergeKill, JournalIsOldOrImportedAfterEveryKill) {
    TempFolder folder;
    const std::filesystem::path journal = folder.Journal();
    const std::filesystem::path csv = folder.Path() / "export.csv";
    const std::string before = Records(365, 0);
    WriteBytes(journal, Records(400, 3));
    const std::optional<std::vector<ExportRow>> rows = ReadExportRows(journal);
    ASSERT_TRUE(rows);
    const std::string exported = ToCsv(*rows);
    WriteBytes(csv, exported);
    const ImportedRecords imported = ConvertImport(exported, {});
    ASSERT_EQ(imported.error, "");
    std::string merged;
    MergeRecords(before, std::span(&imported.records, 1), MergePreference::Other, merged);
    ASSERT_NE(merged, before);
    KillTrials(
        "import", journal, ToolArgs(journal, {"import", "--prefer", "other", csv.string()}), before, merged,
        [&] { WriteBytes(journal, before); }, [&](bool, bool) { ASSERT_EQ(ReadBytes(csv), exported); });
}

// A save recorded in a device root of the test's own, then undone, and restored after another program dropped
// it. The history is read after every kill: an undo or restore it lists must be in the journal.
TEST(MergeKill, UndoAndRestoreLeaveTheJournalOldOrNewAndTheHistoryTrue) {
    TempFolder folder;
    TempFolder root;
    ::setenv("PLENTA_ROOT", root.Path().c_str(), 1);
    const std::filesystem::path journal = folder.Journal();
    const std::filesystem::path history = HistoryPathOf(root.Path());
    const std::string original = Records(365, 0);
    WriteBytes(journal, original);
    ASSERT_EQ(RunTool(ToolArgs(journal, {"save", "--date", "2026-03-01", "--temperature", "37.0"})).exitCode,
              0);
    const std::string saved = *ReadBytes(journal);
    const std::string recorded = *ReadBytes(history);
    std::string dropped = saved;
    const std::string savedLine = "2026/03/01,37.0,,\r\n";
    dropped.erase(dropped.find(savedLine), savedLine.size());
    const auto listedOnlyWhenDone = [&](const std::string &command) {
        return [&history, command](bool finished, bool written) {
            const std::optional<std::vector<HistoryEntry>> entries = ReadHistory(history);
            ASSERT_TRUE(entries && !entries->empty());
            const bool listed = entries->back().command == command;
            ASSERT_TRUE(written || !listed) << command << " listed but not in the journal";
            ASSERT_TRUE(listed || !finished) << command << " finished but not listed";
        };
    };
    const auto reset = [&](const std::string &journalBytes) {
        return [&, journalBytes] {
            WriteBytes(journal, journalBytes);
            WriteBytes(history, recorded);
        };
    };
    KillTrials("undo", journal, ToolArgs(journal, {"undo"}), saved, original, reset(saved),
               listedOnlyWhenDone("undo"));
    KillTrials("restore", journal, ToolArgs(journal, {"restore", "--all"}), dropped, saved, reset(dropped),
               listedOnlyWhenDone("restore"));
    ::unsetenv("PLENTA_ROOT");
}

} // namespace
} // namespace plenta::reliability
