// SPDX-License-Identifier: GPL-3.0-or-later
// The chart and report commands: paint the main window's chart offscreen and stores the chart area as a PNG.
#pragma once

#include "ExitCode.h"

#include "chart/CycleReport.h"
#include "journal/JournalTypes.h"

#include <filesystem>

namespace plenta {

struct ChartRequest {
    std::filesystem::path journal;
    Date picked;
    Date today;
    std::filesystem::path picture;
    std::filesystem::path output;
    int scale = 1; // whole-pixel enlargement, MIN_CHART_SCALE to MAX_CHART_SCALE
};

inline constexpr int MIN_CHART_SCALE = 1;
inline constexpr int MAX_CHART_SCALE = 16;

// The painter's first argument when it is to write the report instead of the chart.
inline constexpr const char *REPORT_MODE = "--report";

// Creates the Qt application object it needs (offscreen unless a platform is chosen), so the other commands
// never depend on a display.
ExitCode RunChart(const ChartRequest &request);

// The report command, painted by the same program as the chart.
ExitCode RunReport(const ReportRequest &request);

} // namespace plenta
