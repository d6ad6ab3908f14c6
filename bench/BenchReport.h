// SPDX-License-Identifier: GPL-3.0-or-later
// The budget table of bench/run: reads Google Benchmark's JSON output and judges each figure against its
// budget: a figure measured beside its baseline by the median of its per-pair ratios, with their spread; the
// others by their median. It measures nothing itself.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plenta::bench {

// One benchmark's median (or its only run), with every time in nanoseconds.
struct Figure {
    double nanoseconds = 0;    // wall-clock time, for what waits on the disk or on another process
    double cpuNanoseconds = 0; // this process's processor time, for work that only computes
    double bytesPerSecond = 0;
    double peakRssMb = 0; // the start-up probe's counter
    // Every number of the run by its name, the benchmark's own counters among them: a paired figure has
    // "ratio", "ratio_min" and "ratio_max" (of the per-pair ratios to its baseline) and "baseline_ns".
    std::map<std::string, double, std::less<>> counters;

    std::optional<double> Counter(std::string_view name) const;
};

class BenchResults {
public:
    // Adds the runs of one program's JSON output; false when the text holds no benchmark results. A median
    // aggregate wins over single runs; runs that ended in an error are left out.
    bool Add(std::string_view json);

    // The figure of a benchmark by its name; parameters the library appends ("/iterations:1/...") are
    // ignored, but "BM_Scan/800" never finds "BM_Scan/8000".
    std::optional<Figure> Find(std::string_view name) const;

    // Where and how the figures were taken, for the line above the table.
    std::string Context() const;

private:
    struct Entry {
        std::string name;
        Figure figure;
        bool median = false;
    };
    std::vector<Entry> entries_;
    std::string context_;
    int repetitions_ = 1;
};

enum class Verdict { None, Pass, Fail };

struct ReportRow {
    std::string figure;
    std::string median;
    std::string baseline;
    std::string ratio;
    std::string budget;
    Verdict verdict = Verdict::None;
};

// Every figure with its budget, in a fixed order; a figure that was not measured is a failed row.
std::vector<ReportRow> BudgetRows(const BenchResults &results);

// The rows as one Markdown table with its header.
std::string MarkdownTable(const std::vector<ReportRow> &rows);

} // namespace plenta::bench
