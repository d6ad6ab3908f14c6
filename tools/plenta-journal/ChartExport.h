// The chart command: paints the main window's chart offscreen and stores the chart area as a PNG.
#pragma once

#include "ExitCode.h"

#include "journal/JournalTypes.h"

#include <filesystem>

namespace plenta {

struct ChartRequest {
    std::filesystem::path journal;
    Date picked;
    Date today;
    std::filesystem::path picture;
    std::filesystem::path output;
    int scale = 1; // whole-pixel enlargement, 1 to 16
};

inline constexpr int MIN_CHART_SCALE = 1;
inline constexpr int MAX_CHART_SCALE = 16;

// Creates the Qt application object it needs (offscreen unless a platform is chosen), so the other commands
// never depend on a display.
ExitCode RunChart(const ChartRequest &request);

} // namespace plenta
