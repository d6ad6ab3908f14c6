// Turns the JSON output of the benchmark programs into one table: each figure's median, its ratio to the
// baseline measured in the same run, and its budget with PASS or FAIL. Exits with 1 when a budget is missed
// or a figure is missing.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

// The budgets for this 2-core machine; all compare medians.
constexpr double SCAN_MIN_MB_PER_SECOND = 300;
constexpr double SCAN_MAX_TIMES_READ = 8;
constexpr double SCAN_MAX_GROWTH_PER_RECORD = 1.5; // ns per record at 100,000 records over that at 800
constexpr double EDIT_MAX_MS = 0.5;
constexpr double PAINT_MAX_MS = 0.5;
constexpr double START_MAX_TIMES_MINIMAL = 2;
constexpr double RSS_MAX_EXTRA_MB = 10;

constexpr std::array<int, 3> SCAN_SIZES{800, 10'000, 100'000};

struct Figure {
    double nanoseconds = 0;    // wall-clock time, for what waits on the disk or on another process
    double cpuNanoseconds = 0; // this process's processor time, for work that only computes
    double bytesPerSecond = 0;
    double peakRssMb = 0; // the start-up probe's counter
};

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

std::string Format(const char *format, double value) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), format, value);
    return text.data();
}

// Median aggregates by run name; a benchmark run without repetitions stands for its own median.
class Results {
public:
    bool Read(const char *file) {
        std::ifstream in(file);
        const nlohmann::json document = nlohmann::json::parse(in, nullptr, false);
        if (document.is_discarded() || !document.contains("benchmarks")) {
            std::fprintf(stderr, "%s: no benchmark results\n", file);
            return false;
        }
        if (context_.empty() && document.contains("context")) {
            const nlohmann::json &context = document["context"];
            context_ =
                context.value("date", "") + ", " + std::to_string(context.value("num_cpus", 0)) + " CPUs";
            if (context.contains("load_avg") && !context["load_avg"].empty()) {
                context_ += Format(", load average %.2f at the start", context["load_avg"][0].get<double>());
            }
        }
        for (const nlohmann::json &run : document["benchmarks"]) {
            const bool median =
                run.value("run_type", "") == "aggregate" && run.value("aggregate_name", "") == "median";
            const bool single = run.value("run_type", "") == "iteration";
            const std::string name = run.value("run_name", run.value("name", ""));
            if (run.value("error_occurred", false) || !(median || (single && !medians_.contains(name)))) {
                continue;
            }
            const std::string unit = run.value("time_unit", "ns");
            const Figure figure{.nanoseconds = Nanoseconds(run.value("real_time", 0.0), unit),
                                .cpuNanoseconds = Nanoseconds(run.value("cpu_time", 0.0), unit),
                                .bytesPerSecond = run.value("bytes_per_second", 0.0),
                                .peakRssMb = run.value("peak_rss_MB", 0.0)};
            if (median || !figures_.contains(name)) {
                figures_[name] = figure;
            }
            if (median) {
                medians_[name] = true;
                repetitions_ = std::max(repetitions_, run.value("repetitions", 1));
            }
        }
        return true;
    }

    // The figure of a benchmark by its name; parameters the library appends ("/iterations:1/...") are
    // ignored.
    std::optional<Figure> Find(const std::string &name) const {
        for (const auto &[runName, figure] : figures_) {
            if (runName == name || runName.starts_with(name + "/")) {
                return figure;
            }
        }
        return std::nullopt;
    }

    // Where and how the figures were taken, for the line above the table.
    std::string Context() const {
        return "Medians of " + std::to_string(repetitions_) + " runs each; " + context_ + ".";
    }

private:
    std::string context_;
    int repetitions_ = 1;
    std::map<std::string, Figure> figures_;
    std::map<std::string, bool> medians_;
};

class Table {
public:
    void Row(const std::string &figure, const std::string &median, const std::string &baseline,
             const std::string &ratio, const std::string &budget, std::optional<bool> pass) {
        const char *verdict = !pass ? "" : *pass ? "PASS" : "FAIL";
        failed_ = failed_ || (pass && !*pass);
        std::printf("| %s | %s | %s | %s | %s | %s |\n", figure.c_str(), median.c_str(), baseline.c_str(),
                    ratio.c_str(), budget.c_str(), verdict);
    }
    void Missing(const std::string &figure) {
        failed_ = true;
        std::printf("| %s | not measured | | | | FAIL |\n", figure.c_str());
    }
    bool Failed() const { return failed_; }

private:
    bool failed_ = false;
};

std::string Records(int count) {
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

void ScanRows(const Results &results, Table &table) {
    for (const int size : SCAN_SIZES) {
        const std::string name = "scan, " + Records(size) + " records";
        const auto scan = results.Find("BM_Scan/" + std::to_string(size));
        const auto read = results.Find("BM_ReadLines/" + std::to_string(size));
        if (!scan || !read) {
            table.Missing(name);
            continue;
        }
        const double mbPerSecond = scan->bytesPerSecond / 1e6;
        const double timesRead = scan->cpuNanoseconds / read->cpuNanoseconds;
        table.Row(name, Format("%.0f MB/s", mbPerSecond) + Format(" (%.1f µs)", scan->cpuNanoseconds / 1e3),
                  Format("read + count LF %.0f MB/s", read->bytesPerSecond / 1e6), Format("%.1fx", timesRead),
                  Format(">= %.0f MB/s, ", SCAN_MIN_MB_PER_SECOND) + Format("<= %.0fx", SCAN_MAX_TIMES_READ),
                  mbPerSecond >= SCAN_MIN_MB_PER_SECOND && timesRead <= SCAN_MAX_TIMES_READ);
    }
    const auto small = results.Find("BM_Scan/" + std::to_string(SCAN_SIZES.front()));
    const auto large = results.Find("BM_Scan/" + std::to_string(SCAN_SIZES.back()));
    const std::string name =
        "scan linear, " + Records(SCAN_SIZES.front()) + " to " + Records(SCAN_SIZES.back()) + " records";
    if (!small || !large) {
        table.Missing(name);
        return;
    }
    const double smallPerRecord = small->cpuNanoseconds / SCAN_SIZES.front();
    const double largePerRecord = large->cpuNanoseconds / SCAN_SIZES.back();
    const double growth = largePerRecord / smallPerRecord;
    table.Row(name, Format("%.1f ns/record", largePerRecord), Format("%.1f ns/record at 800", smallPerRecord),
              Format("%.2fx", growth), Format("<= %.1fx", SCAN_MAX_GROWTH_PER_RECORD),
              growth <= SCAN_MAX_GROWTH_PER_RECORD);
}

// Work that only computes is timed by this process's processor time, which other programs on the shared
// machine do not inflate; what waits on the disk is timed by the wall clock.
enum class Clock { Wall, Processor };

void MillisecondRow(const Results &results, Table &table, const std::string &name,
                    const std::string &benchmark, Clock clock, std::optional<double> budgetMs) {
    const auto figure = results.Find(benchmark);
    if (!figure) {
        table.Missing(name);
        return;
    }
    const double ms = (clock == Clock::Wall ? figure->nanoseconds : figure->cpuNanoseconds) / 1e6;
    // Beside a wall-clock figure the processor time shows how much of it was waiting.
    const std::string median =
        clock == Clock::Wall
            ? Format("%.3f ms", ms) + Format(" (processor %.3f ms)", figure->cpuNanoseconds / 1e6)
            : Format("%.3f ms", ms);
    if (budgetMs) {
        table.Row(name, median, "", "", Format("<= %.1f ms", *budgetMs), ms <= *budgetMs);
    } else {
        table.Row(name, median, "", "", "none (disk)", std::nullopt);
    }
}

void StartRows(const Results &results, Table &table) {
    const auto minimal = results.Find("BM_StartMinimalWindow");
    const auto plenta = results.Find("BM_StartPlenta");
    if (!minimal || !plenta) {
        table.Missing("start to first painted window");
        table.Missing("peak resident memory");
        return;
    }
    const double times = plenta->nanoseconds / minimal->nanoseconds;
    table.Row("start to first painted window", Format("%.1f ms", plenta->nanoseconds / 1e6),
              Format("minimal Qt window %.1f ms", minimal->nanoseconds / 1e6), Format("%.2fx", times),
              Format("<= %.0fx", START_MAX_TIMES_MINIMAL), times <= START_MAX_TIMES_MINIMAL);
    const double plentaMb = plenta->peakRssMb;
    const double minimalMb = minimal->peakRssMb;
    table.Row("peak resident memory", Format("%.1f MB", plentaMb),
              Format("minimal Qt window %.1f MB", minimalMb), Format("%+.1f MB", plentaMb - minimalMb),
              Format("<= +%.0f MB", RSS_MAX_EXTRA_MB), plentaMb - minimalMb <= RSS_MAX_EXTRA_MB);
}

} // namespace

int main(int argc, char **argv) {
    Results results;
    for (int i = 1; i < argc; ++i) {
        if (!results.Read(argv[i])) {
            return 1;
        }
    }
    Table table;
    std::printf("%s\n\n", results.Context().c_str());
    std::printf("| Figure | Median | Baseline, same run | Ratio | Budget | Result |\n");
    std::printf("|---|---|---|---|---|---|\n");
    ScanRows(results, table);
    MillisecondRow(results, table, "save, 800 records, no fsync", "BM_SaveEntry/no_fsync", Clock::Wall,
                   EDIT_MAX_MS);
    MillisecondRow(results, table, "delete, 800 records, no fsync", "BM_DeleteDayEntries/no_fsync",
                   Clock::Wall, EDIT_MAX_MS);
    MillisecondRow(results, table, "save, 800 records, fsync", "BM_SaveEntry/fsync", Clock::Wall,
                   std::nullopt);
    MillisecondRow(results, table, "delete, 800 records, fsync", "BM_DeleteDayEntries/fsync", Clock::Wall,
                   std::nullopt);
    MillisecondRow(results, table, "PaintChart, 800 points", "BM_PaintChart", Clock::Processor, PAINT_MAX_MS);
    StartRows(results, table);
    return table.Failed() ? 1 : 0;
}
