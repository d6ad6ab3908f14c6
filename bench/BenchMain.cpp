// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the runs that ended in an error while the console reporter prints them as usual.
#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace plenta::bench {
namespace {

class FailureCountingReporter final : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that logs stay plain text.
    FailureCountingReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &reports) override {
        for (const Run &run : reports) {
            if (run.error_occurred) {
                ++failures;
            }
        }
        ConsoleReporter::ReportRuns(reports);
    }

    int failures = 0;
};

} // namespace

int RunBenchmarks(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    FailureCountingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.failures > 0) {
        std::fprintf(stderr, "%d benchmark run(s) failed\n", reporter.failures);
        return 1;
    }
    return 0;
}

} // namespace plenta::bench
