// SPDX-License-Identifier: GPL-3.0-or-later
// plenta-bench-report FILE.json...: prints the budget table of the benchmark programs' JSON output and exits
// with 1 when a budget is missed or a figure is missing.
#include "BenchReport.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

int main(int argc, char **argv) {
    plenta::bench::BenchResults results;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::string json{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!results.Add(json)) {
            std::fprintf(stderr, "%s: no benchmark results\n", argv[i]);
            return 1;
        }
    }
    const std::vector<plenta::bench::ReportRow> rows = plenta::bench::BudgetRows(results);
    std::printf("%s\n\n%s", results.Context().c_str(), plenta::bench::MarkdownTable(rows).c_str());
    const bool failed = std::any_of(rows.begin(), rows.end(), [](const plenta::bench::ReportRow &row) {
        return row.verdict == plenta::bench::Verdict::Fail;
    });
    return failed ? 1 : 0;
}
