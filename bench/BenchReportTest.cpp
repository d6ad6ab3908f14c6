// SPDX-License-Identifier: GPL-3.0-or-later
// The budget table must judge the right figure by the right clock, at the budget's edge, and never pass a
// figure that was not measured.
#include "BenchReport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
#include <map>

namespace plenta::bench {
namespace {

nlohmann::json Median(const std::string &name, double realTime, double cpuTime,
                      const std::string &unit = "ms") {
    return {{"name", name + "_median"},   {"run_name", name}, {"run_type", "aggregate"},
            {"aggregate_name", "median"}, {"repetitions", 9}, {"real_time", realTime},
            {"cpu_time", cpuTime},        {"time_unit", unit}};
}

std::string Document(const std::vector<nlohmann::json> &runs) {
    return nlohmann::json{{"context", {{"date", "today"}, {"num_cpus", 2}}}, {"benchmarks", runs}}.dump();
}

// A figure measured in pairs against its baseline: one run with the median ratio and its spread.
nlohmann::json Paired(const std::string &name, double milliseconds, double ratio, double baselineMs) {
    nlohmann::json run = Median(name + "/iterations:1/repeats:1/manual_time", milliseconds, 1);
    run["run_type"] = "iteration";
    run["ratio"] = ratio;
    run["ratio_min"] = ratio * 0.9;
    run["ratio_max"] = ratio * 1.2;
    run["baseline_ns"] = baselineMs * 1e6;
    run["pairs"] = 21;
    return run;
}

// A full set of figures that all lie within their budgets: the scan at 400 MB/s and 3x the read, equal
// time per record at every size, edits and the paint at 0.3 ms, start-up at 1.2x and +5 MB, stats at 2x.
std::map<std::string, nlohmann::json> PassingRuns() {
    std::map<std::string, nlohmann::json> runs;
    for (const int size : {800, 10'000, 100'000}) {
        const std::string scan = "BM_Scan/" + std::to_string(size);
        runs[scan] = Paired(scan, size * 0.0002, 3, size * 0.0002 / 3);
        runs[scan]["bytes_per_second"] = 400e6;
    }
    for (const char *edit : {"BM_SaveEntry/no_fsync", "BM_DeleteDayEntries/no_fsync", "BM_SaveEntry/fsync",
                             "BM_DeleteDayEntries/fsync"}) {
        runs[edit] = Median(edit, 0.3, 0.1);
    }
    runs["BM_PaintChart"] = Median("BM_PaintChart", 0.3, 0.3);
    runs["BM_StartPlenta"] = Paired("BM_StartPlenta", 24, 1.2, 20);
    runs["BM_StartPlenta"]["peak_rss_MB"] = 25.0;
    runs["BM_StartPlenta"]["baseline_peak_rss_MB"] = 20.0;
    runs["BM_StartPlenta"]["extra_MB"] = 5.0;
    runs["BM_StartPlenta"]["extra_MB_min"] = 4.5;
    runs["BM_StartPlenta"]["extra_MB_max"] = 5.5;
    runs["BM_ToolStats"] = Paired("BM_ToolStats", 2, 2, 1);
    return runs;
}

Verdict VerdictOf(const std::vector<ReportRow> &rows, const std::string &figure) {
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const ReportRow &r) { return r.figure == figure; });
    EXPECT_NE(row, rows.end()) << figure;
    return row == rows.end() ? Verdict::None : row->verdict;
}

TEST(BenchResultsTest, FindsABenchmarkByItsWholeName) {
    BenchResults results;
    ASSERT_TRUE(results.Add(
        Document({Median("BM_Scan/8000", 1, 1), Median("BM_StartPlenta/iterations:1/manual_time", 1, 1),
                  Median("BM_PaintChart", 1, 1)})));
    const struct {
        const char *query;
        bool found;
    } cases[] = {
        {"BM_Scan/8000", true},  {"BM_Scan/800", false}, {"BM_StartPlenta", true},
        {"BM_PaintChart", true}, {"BM_Paint", false},    {"BM_StartPlenta/iterations:2", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(results.Find(c.query).has_value(), c.found) << c.query;
    }
}

TEST(BenchResultsTest, TakesTheMedianInNanosecondsAndLeavesOutFailedRuns) {
    nlohmann::json single = Median("BM_A", 1, 1);
    single["run_type"] = "iteration";
    nlohmann::json mean = Median("BM_A", 3, 3);
    mean["aggregate_name"] = "mean";
    nlohmann::json failed = Median("BM_Failed", 1, 1);
    failed["error_occurred"] = true;
    BenchResults results;
    ASSERT_TRUE(results.Add(Document({single, Median("BM_A", 2, 1.5), mean, failed})));
    ASSERT_TRUE(results.Add(
        Document({Median("BM_Us", 7, 7, "us"), Median("BM_S", 2, 2, "s"), Median("BM_Ns", 5, 5, "ns")})));
    EXPECT_DOUBLE_EQ(results.Find("BM_A")->nanoseconds, 2e6);
    EXPECT_DOUBLE_EQ(results.Find("BM_A")->cpuNanoseconds, 1.5e6);
    EXPECT_FALSE(results.Find("BM_Failed"));
    EXPECT_DOUBLE_EQ(results.Find("BM_Us")->nanoseconds, 7e3);
    EXPECT_DOUBLE_EQ(results.Find("BM_S")->nanoseconds, 2e9);
    EXPECT_DOUBLE_EQ(results.Find("BM_Ns")->nanoseconds, 5);
    EXPECT_FALSE(results.Add("not json"));
    EXPECT_FALSE(results.Add("[]"));
}

TEST(BudgetRowsTest, JudgesEachFigureAtTheEdgeOfItsBudget) {
    using Runs = std::map<std::string, nlohmann::json>;
    const struct {
        const char *what;
        std::function<void(Runs &)> change;
        const char *row;
        Verdict verdict;
    } cases[] = {
        {"all within budget", [](Runs &) {}, "PaintChart, 800 points", Verdict::Pass},
        {"a slow machine's MB/s are information",
         [](Runs &r) { r["BM_Scan/100000"]["bytes_per_second"] = 99e6; }, "scan, 100,000 records",
         Verdict::Pass},
        {"scan exactly 5x the read", [](Runs &r) { r["BM_Scan/100000"]["ratio"] = 5.0; },
         "scan, 100,000 records", Verdict::Pass},
        {"scan over 4x the read at 800", [](Runs &r) { r["BM_Scan/800"]["ratio"] = 4.01; },
         "scan, 800 records", Verdict::Fail},
        {"scan without pairs", [](Runs &r) { r["BM_Scan/10000"].erase("ratio_max"); }, "scan, 10,000 records",
         Verdict::Fail},
        {"scan per record grows 1.6x", [](Runs &r) { r["BM_Scan/100000"]["real_time"] = 32.0; },
         "scan linear, 800 to 100,000 records", Verdict::Fail},
        {"save exactly 0.5 ms", [](Runs &r) { r["BM_SaveEntry/no_fsync"]["real_time"] = 0.5; },
         "save, 800 records, no fsync", Verdict::Pass},
        {"delete waits beyond 0.5 ms", [](Runs &r) { r["BM_DeleteDayEntries/no_fsync"]["real_time"] = 0.51; },
         "delete, 800 records, no fsync", Verdict::Fail},
        {"fsync has no budget", [](Runs &r) { r["BM_SaveEntry/fsync"]["real_time"] = 50.0; },
         "save, 800 records, fsync", Verdict::None},
        {"paint computes beyond 0.5 ms", [](Runs &r) { r["BM_PaintChart"]["cpu_time"] = 0.51; },
         "PaintChart, 800 points", Verdict::Fail},
        {"paint waits, computes within", [](Runs &r) { r["BM_PaintChart"]["real_time"] = 0.9; },
         "PaintChart, 800 points", Verdict::Pass},
        {"start exactly 1.25x", [](Runs &r) { r["BM_StartPlenta"]["ratio"] = 1.25; },
         "start to first painted window", Verdict::Pass},
        {"start over 1.25x, though its fastest pair was within",
         [](Runs &r) { r["BM_StartPlenta"]["ratio"] = 1.26; }, "start to first painted window",
         Verdict::Fail},
        {"memory exactly +6 MB", [](Runs &r) { r["BM_StartPlenta"]["extra_MB"] = 6.0; },
         "peak resident memory", Verdict::Pass},
        {"memory over +6 MB", [](Runs &r) { r["BM_StartPlenta"]["extra_MB"] = 6.5; }, "peak resident memory",
         Verdict::Fail},
        {"stats over 3x wc", [](Runs &r) { r["BM_ToolStats"]["ratio"] = 3.1; },
         "plenta-journal stats, 800 records, whole process", Verdict::Fail},
        {"paint not measured", [](Runs &r) { r.erase("BM_PaintChart"); }, "PaintChart, 800 points",
         Verdict::Fail},
        {"start-up failed", [](Runs &r) { r["BM_StartPlenta"]["error_occurred"] = true; },
         "peak resident memory", Verdict::Fail},
    };
    for (const auto &c : cases) {
        Runs runs = PassingRuns();
        c.change(runs);
        std::vector<nlohmann::json> list;
        for (const auto &[name, run] : runs) {
            list.push_back(run);
        }
        BenchResults results;
        ASSERT_TRUE(results.Add(Document(list))) << c.what;
        EXPECT_EQ(VerdictOf(BudgetRows(results), c.row), c.verdict) << c.what;
    }
}

TEST(BudgetRowsTest, PrintsOneMarkdownRowPerFigure) {
    BenchResults results;
    ASSERT_TRUE(results.Add(Document({})));
    const std::vector<ReportRow> rows = BudgetRows(results);
    const std::string table = MarkdownTable(rows);
    EXPECT_EQ(static_cast<std::size_t>(std::count(table.begin(), table.end(), '\n')), rows.size() + 2);
    EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [](const ReportRow &row) {
        return row.verdict == Verdict::Fail || row.verdict == Verdict::None;
    }));
    EXPECT_NE(table.find("| PaintChart, 800 points | not measured |"), std::string::npos);
}

TEST(BudgetRowsTest, ShowsThePairedRatioWithItsSpread) {
    BenchResults results;
    ASSERT_TRUE(results.Add(Document({Paired("BM_StartPlenta", 24, 1.2, 20)})));
    const std::vector<ReportRow> rows = BudgetRows(results);
    const auto start = std::find_if(rows.begin(), rows.end(), [](const ReportRow &row) {
        return row.figure == "start to first painted window";
    });
    ASSERT_NE(start, rows.end());
    EXPECT_EQ(start->ratio, "1.20x (1.08-1.44, 21 pairs)");
}

} // namespace
} // namespace plenta::bench
