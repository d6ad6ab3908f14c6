// SPDX-License-Identifier: GPL-3.0-or-later
// Medians and spreads of paired timings; see PairedTiming.h.
#include "PairedTiming.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace plenta::bench {

int PairCount(int usual) {
    const char *text = std::getenv("PLENTA_BENCH_PAIRS");
    const int count = text != nullptr ? std::atoi(text) : 0;
    return count > 0 ? count : usual;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) {
        return *middle;
    }
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

void ReportPairs(benchmark::State &state, const std::vector<double> &figureSeconds,
                 const std::vector<double> &baselineSeconds) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < figureSeconds.size() && i < baselineSeconds.size(); ++i) {
        if (baselineSeconds[i] > 0) {
            ratios.push_back(figureSeconds[i] / baselineSeconds[i]);
        }
    }
    if (ratios.empty()) {
        state.SkipWithError("no pair was measured");
        return;
    }
    state.SetIterationTime(Median(figureSeconds));
    state.counters["ratio"] = Median(ratios);
    state.counters["ratio_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["ratio_max"] = *std::max_element(ratios.begin(), ratios.end());
    state.counters["baseline_ns"] = Median(baselineSeconds) * 1e9;
    state.counters["pairs"] = static_cast<double>(ratios.size());
}

} // namespace plenta::bench
