// SPDX-License-Identifier: GPL-3.0-or-later
// Chart geometry: the layout fixed at start-up and the conversions from cycle days and temperatures to
// pixels.
#include "chart/ChartLayout.h"

#include "journal/JournalTypes.h"

namespace plenta {

namespace {
// 20 rows of 0.1 degree less the shared bottom pixel
constexpr int CHART_HEIGHT = 119;
// The frame's right edge, two pixels inside the window
constexpr int CHART_RIGHT = WINDOW_WIDTH - 2;
} // namespace

ChartLayout MakeChartLayout(int top) {
    return ChartLayout{.left = 1, .top = top, .right = CHART_RIGHT, .bottom = top + CHART_HEIGHT};
}

int DayToX(const ChartLayout &layout, std::uint16_t day) {
    return day * ChartLayout::COLUMN_WIDTH + layout.left - 4;
}

int TempToY(const ChartLayout &layout, std::uint16_t tenths) {
    // The form's lowest temperature, 35.5, lies one pixel below the chart's bottom edge. The difference is
    // signed so that temperatures below it land below the chart instead of wrapping.
    const int aboveLowest = static_cast<int>(tenths) - TEMPERATURE_BOTTOM;
    return layout.bottom - ChartLayout::PIXELS_PER_TENTH * aboveLowest + 1;
}

} // namespace plenta
