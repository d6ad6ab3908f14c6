// SPDX-License-Identifier: GPL-3.0-or-later
// The budgets and how each figure is judged; see BenchReport.h.
#include "BenchReport.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdio>

namespace plenta::bench {

namespace {

// The budgets for this 2-core machine. A figure with a baseline is judged by the median of the ratios of
// pairs measured back to back (A, B, A, B, ...), so that a load which comes and goes slows both sides of a
// pair alike instead of deciding the verdict; the others by their median.
constexpr double SCAN_MAX_GROWTH_PER_RECORD = 1.5; // ns per record at 100,000 records over that at 800
constexpr double EDIT_MAX_MS = 0.5;
constexpr double PAINT_MAX_MS = 0.5;
constexpr double START_MAX_TIMES_MINIMAL = 1.25;
constexpr double RSS_MAX_EXTRA_MB = 6;
constexpr double STATS_MAX_TIMES_WC = 3;

constexpr std::array<int, 3> SCAN_SIZES{800, 10'000, 100'000};
// The scan's budget against the bare read, by size: a small journal leaves less to spread the fixed costs of
// opening, locking and the statistics text over. Its speed in MB/s is shown for information only: on the
// shared machine it follows the machine's pace, which the bare read of the same pair shares.
constexpr std::array<double, 3> SCAN_MAX_TIMES_READ{4, 5, 5};

// Work that only computes is timed by this process's processor time, which other programs on the shared
// machine do not inflate; what waits on the disk is timed by the wall clock.
enum class Clock { Wall, Processor };

double Nanoseconds(double value, const std::string &unit) {
    if (unit == "us") {
        return value * 1e3;
    }
    if (unit == "ms") {
        return value * 1e6;
    }
    if (unit == "s") {
        return value * 1e9;
    }
    return value;
}

// Every format passed here is a literal of this file holding one double's conversion; the compiler cannot see
// that through the parameter, so its non-literal warning is silenced for this one call.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
std::string Format(const char *format, double value) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), format, value);
    return text.data();
}
#pragma GCC diagnostic pop

Verdict Judge(bool pass) {
    return pass ? Verdict::Pass : Verdict::Fail;
}

ReportRow Missing(const std::string &figure) {
    ReportRow row;
    row.figure = figure;
    row.median = "not measured";
    row.verdict = Verdict::Fail;
    return row;
}

// 100000 as "100,000".
std::string Records(int count) {
    const std::string digits = std::to_string(count);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

// "4.10x (3.90-4.40, 31 pairs)": the median of the per-pair ratios, their spread and their number; nothing
// when the figure was not measured in pairs.
std::optional<double> PairedRatio(const Figure &figure, std::string &text, const char *format) {
    const auto ratio = figure.Counter("ratio");
    const auto lowest = figure.Counter("ratio_min");
    const auto highest = figure.Counter("ratio_max");
    const auto pairs = figure.Counter("pairs");
    if (!ratio || !lowest || !highest || !pairs) {
        return std::nullopt;
    }
    text = Format(format, *ratio) + Format(" (%.2f", *lowest) + Format("-%.2f", *highest) +
           Format(", %.0f pairs)", *pairs);
    return ratio;
}

void AddScanRows(const BenchResults &results, std::vector<ReportRow> &rows) {
    for (std::size_t i = 0; i < SCAN_SIZES.size(); ++i) {
        const int size = SCAN_SIZES[i];
        const std::string name = "scan, " + Records(size) + " records";
        const auto scan = results.Find("BM_Scan/" + std::to_string(size));
        std::string ratioText;
        const std::optional<double> timesRead = scan ? PairedRatio(*scan, ratioText, "%.2fx") : std::nullopt;
        const auto readNanoseconds = scan ? scan->Counter("baseline_ns") : std::nullopt;
        if (!timesRead || !readNanoseconds) {
            rows.push_back(Missing(name));
            continue;
        }
        const double mbPerSecond = scan->bytesPerSecond / 1e6;
        const double readMbPerSecond = mbPerSecond * scan->nanoseconds / *readNanoseconds;
        rows.push_back(ReportRow{.figure = name,
                                 .median = Format("%.0f MB/s", mbPerSecond) +
                                           Format(" (%.1f µs)", scan->nanoseconds / 1e3),
                                 .baseline = Format("read + count LF %.0f MB/s", readMbPerSecond) +
                                             Format(" (%.1f µs)", *readNanoseconds / 1e3),
                                 .ratio = ratioText,
                                 .budget = Format("<= %.0fx", SCAN_MAX_TIMES_READ[i]),
                                 .verdict = Judge(*timesRead <= SCAN_MAX_TIMES_READ[i])});
    }
    const auto small = results.Find("BM_Scan/" + std::to_string(SCAN_SIZES.front()));
    const auto large = results.Find("BM_Scan/" + std::to_string(SCAN_SIZES.back()));
    const std::string name =
        "scan linear, " + Records(SCAN_SIZES.front()) + " to " + Records(SCAN_SIZES.back()) + " records";
    if (!small || !large) {
        rows.push_back(Missing(name));
        return;
    }
    const double smallPerRecord = small->nanoseconds / SCAN_SIZES.front();
    const double largePerRecord = large->nanoseconds / SCAN_SIZES.back();
    const double growth = largePerRecord / smallPerRecord;
    rows.push_back(ReportRow{.figure = name,
                             .median = Format("%.1f ns/record", largePerRecord),
                             .baseline = Format("%.1f ns/record at 800", smallPerRecord),
                             .ratio = Format("%.2fx", growth),
                             .budget = Format("<= %.1fx", SCAN_MAX_GROWTH_PER_RECORD),
                             .verdict = Judge(growth <= SCAN_MAX_GROWTH_PER_RECORD)});
}

void AddMillisecondRow(const BenchResults &results, std::vector<ReportRow> &rows, const std::string &name,
                       std::string_view benchmark, Clock clock, std::optional<double> budgetMs) {
    const auto figure = results.Find(benchmark);
    if (!figure) {
        rows.push_back(Missing(name));
        return;
    }
    const double ms = (clock == Clock::Wall ? figure->nanoseconds : figure->cpuNanoseconds) / 1e6;
    ReportRow row;
    row.figure = name;
    row.median = Format("%.3f ms", ms);
    // Beside a wall-clock figure the processor time shows how much of it was waiting.
    if (clock == Clock::Wall) {
        row.median += Format(" (processor %.3f ms)", figure->cpuNanoseconds / 1e6);
    }
    row.budget = budgetMs ? Format("<= %.1f ms", *budgetMs) : "none (disk)";
    row.verdict = budgetMs ? Judge(ms <= *budgetMs) : Verdict::None;
    rows.push_back(row);
}

void AddStartRows(const BenchResults &results, std::vector<ReportRow> &rows) {
    const auto plenta = results.Find("BM_StartPlenta");
    std::string ratioText;
    const std::optional<double> times = plenta ? PairedRatio(*plenta, ratioText, "%.2fx") : std::nullopt;
    const auto minimalNanoseconds = plenta ? plenta->Counter("baseline_ns") : std::nullopt;
    if (times && minimalNanoseconds) {
        rows.push_back(ReportRow{.figure = "start to first painted window",
                                 .median = Format("%.1f ms", plenta->nanoseconds / 1e6),
                                 .baseline = Format("minimal Qt window %.1f ms", *minimalNanoseconds / 1e6),
                                 .ratio = ratioText,
                                 .budget = Format("<= %.2fx", START_MAX_TIMES_MINIMAL),
                                 .verdict = Judge(*times <= START_MAX_TIMES_MINIMAL)});
    } else {
        rows.push_back(Missing("start to first painted window"));
    }
    const auto minimalMb = plenta ? plenta->Counter("baseline_peak_rss_MB") : std::nullopt;
    const auto extraMb = plenta ? plenta->Counter("extra_MB") : std::nullopt;
    const auto extraMin = plenta ? plenta->Counter("extra_MB_min") : std::nullopt;
    const auto extraMax = plenta ? plenta->Counter("extra_MB_max") : std::nullopt;
    if (!minimalMb || !extraMb || !extraMin || !extraMax) {
        rows.push_back(Missing("peak resident memory"));
        return;
    }
    rows.push_back(ReportRow{.figure = "peak resident memory",
                             .median = Format("%.1f MB", plenta->peakRssMb),
                             .baseline = Format("minimal Qt window %.1f MB", *minimalMb),
                             .ratio = Format("%+.1f MB", *extraMb) + Format(" (%+.1f", *extraMin) +
                                      Format(" to %+.1f)", *extraMax),
                             .budget = Format("<= +%.0f MB", RSS_MAX_EXTRA_MB),
                             .verdict = Judge(*extraMb <= RSS_MAX_EXTRA_MB)});
}

void AddToolRow(const BenchResults &results, std::vector<ReportRow> &rows) {
    const std::string name = "plenta-journal stats, 800 records, whole process";
    const auto stats = results.Find("BM_ToolStats");
    std::string ratioText;
    const std::optional<double> times = stats ? PairedRatio(*stats, ratioText, "%.2fx") : std::nullopt;
    const auto wcNanoseconds = stats ? stats->Counter("baseline_ns") : std::nullopt;
    if (!times || !wcNanoseconds) {
        rows.push_back(Missing(name));
        return;
    }
    rows.push_back(ReportRow{.figure = name,
                             .median = Format("%.2f ms", stats->nanoseconds / 1e6),
                             .baseline = Format("wc -l %.2f ms", *wcNanoseconds / 1e6),
                             .ratio = ratioText,
                             .budget = Format("<= %.0fx", STATS_MAX_TIMES_WC),
                             .verdict = Judge(*times <= STATS_MAX_TIMES_WC)});
}

} // namespace

bool BenchResults::Add(std::string_view json) {
    const nlohmann::json document = nlohmann::json::parse(json, nullptr, false);
    if (document.is_discarded() || !document.is_object() || !document.contains("benchmarks")) {
        return false;
    }
    if (context_.empty() && document.contains("context")) {
        const nlohmann::json &context = document["context"];
        context_ = context.value("date", "") + ", " + std::to_string(context.value("num_cpus", 0)) + " CPUs";
        if (context.contains("load_avg") && !context["load_avg"].empty()) {
            context_ += Format(", load average %.2f at the start", context["load_avg"][0].get<double>());
        }
    }
    for (const nlohmann::json &run : document["benchmarks"]) {
        const bool median =
            run.value("run_type", "") == "aggregate" && run.value("aggregate_name", "") == "median";
        if (run.value("error_occurred", false) || !(median || run.value("run_type", "") == "iteration")) {
            continue;
        }
        const std::string unit = run.value("time_unit", "ns");
        Entry entry{.name = run.value("run_name", run.value("name", "")),
                    .figure = Figure{.nanoseconds = Nanoseconds(run.value("real_time", 0.0), unit),
                                     .cpuNanoseconds = Nanoseconds(run.value("cpu_time", 0.0), unit),
                                     .bytesPerSecond = run.value("bytes_per_second", 0.0),
                                     .peakRssMb = run.value("peak_rss_MB", 0.0),
                                     .counters = {}},
                    .median = median};
        for (const auto &[key, value] : run.items()) {
            if (value.is_number()) {
                entry.figure.counters[key] = value.get<double>();
            }
        }
        const auto known = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const Entry &other) { return other.name == entry.name; });
        if (known == entries_.end()) {
            entries_.push_back(entry);
        } else if (median) {
            *known = entry;
        }
        if (median) {
            repetitions_ = std::max(repetitions_, run.value("repetitions", 1));
        }
    }
    return true;
}

std::optional<double> Figure::Counter(std::string_view name) const {
    const auto found = counters.find(name);
    return found == counters.end() ? std::nullopt : std::optional<double>(found->second);
}

std::optional<Figure> BenchResults::Find(std::string_view name) const {
    for (const Entry &entry : entries_) {
        const std::string_view runName = entry.name;
        if (runName.starts_with(name) && (runName.size() == name.size() || runName[name.size()] == '/')) {
            return entry.figure;
        }
    }
    return std::nullopt;
}

std::string BenchResults::Context() const {
    return "Ratios: median of the per-pair ratios, figure and baseline timed in alternation (spread and "
           "number of pairs in brackets); other figures: medians of " +
           std::to_string(repetitions_) + " runs; " + context_ + ".";
}

std::vector<ReportRow> BudgetRows(const BenchResults &results) {
    std::vector<ReportRow> rows;
    AddScanRows(results, rows);
    AddMillisecondRow(results, rows, "save, 800 records, no fsync", "BM_SaveEntry/no_fsync", Clock::Wall,
                      EDIT_MAX_MS);
    AddMillisecondRow(results, rows, "delete, 800 records, no fsync", "BM_DeleteDayEntries/no_fsync",
                      Clock::Wall, EDIT_MAX_MS);
    AddMillisecondRow(results, rows, "save, 800 records, fsync", "BM_SaveEntry/fsync", Clock::Wall,
                      std::nullopt);
    AddMillisecondRow(results, rows, "delete, 800 records, fsync", "BM_DeleteDayEntries/fsync", Clock::Wall,
                      std::nullopt);
    AddMillisecondRow(results, rows, "PaintChart, 800 points", "BM_PaintChart", Clock::Processor,
                      PAINT_MAX_MS);
    AddStartRows(results, rows);
    AddToolRow(results, rows);
    return rows;
}

std::string MarkdownTable(const std::vector<ReportRow> &rows) {
    std::string table = "| Figure | Median | Baseline, same run | Ratio | Budget | Result |\n"
                        "|---|---|---|---|---|---|\n";
    for (const ReportRow &row : rows) {
        const char *verdict = row.verdict == Verdict::Pass   ? "PASS"
                              : row.verdict == Verdict::Fail ? "FAIL"
                                                             : "";
        table += "| " + row.figure + " | " + row.median + " | " + row.baseline + " | " + row.ratio + " | " +
                 row.budget + " | " + verdict + " |\n";
    }
    return table;
}

} // namespace plenta::bench
