// SPDX-License-Identifier: GPL-3.0-or-later
// A figure and its baseline timed in alternation (A, B, A, B, ...), judged by the median of the per-pair
// ratios: a load that comes and goes on the shared machine slows both sides of a pair alike.
#pragma once

#include <benchmark/benchmark.h>

#include <vector>

namespace plenta::bench {

// The pairs to take: PLENTA_BENCH_PAIRS when set (the smoke tests take a few), otherwise `usual`.
int PairCount(int usual);

// The median of the values; 0 for none.
double Median(std::vector<double> values);

// Per pair the seconds of the figure and of its baseline. The benchmark's time becomes the figure's median
// (it runs one iteration with manual time), and its counters the median ratio figure / baseline with its
// spread ("ratio", "ratio_min", "ratio_max"), the baseline's median ("baseline_ns") and "pairs".
void ReportPairs(benchmark::State &state, const std::vector<double> &figureSeconds,
                 const std::vector<double> &baselineSeconds);

} // namespace plenta::bench
