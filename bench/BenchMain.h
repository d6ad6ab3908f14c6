// SPDX-License-Identifier: GPL-3.0-or-later
// The shared main of the benchmark programs: runs what the command line selects and fails when a run failed.
#pragma once

namespace plenta::bench {

// Google Benchmark's own main reports a benchmark that called SkipWithError and still exits with 0; this one
// exits with 1 then, so that the smoke tests notice a benchmark that no longer works.
int RunBenchmarks(int argc, char **argv);

} // namespace plenta::bench
