// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's geometry: the layout from the stacked sub-windows and the day and temperature conversions.
#include "chart/ChartLayout.h"

#include <gtest/gtest.h>

#include <utility>

namespace plenta {
namespace {

TEST(ChartLayout, FollowsTheStackedSubWindows) {
    // Form and toolbar, form only, neither.
    for (const auto &[offset, chart] : {std::pair{64, QRect(QPoint(1, 64), QPoint(237, 182))},
                                        std::pair{30, QRect(QPoint(1, 30), QPoint(237, 148))},
                                        std::pair{0, QRect(QPoint(1, 0), QPoint(237, 118))}}) {
        EXPECT_EQ(MakeChartLayout(offset).ChartRect(), chart) << offset;
        EXPECT_EQ(MakeChartLayout(offset).bottom, offset + 119) << offset;
    }
}

TEST(ChartLayout, DaysAndTemperaturesMapToPixelsUnclamped) {
    const ChartLayout layout = MakeChartLayout(64);
    // Day 0 lies left of the window, day 1 three pixels right of the first column's edge at 1, day 14 is the
    // worked point's, day 35 lies right of the window.
    for (const auto &[day, x] :
         {std::pair<std::uint16_t, int>{0, -3}, {1, 4}, {14, 95}, {34, 235}, {35, 242}, {65535, 458742}}) {
        EXPECT_EQ(DayToX(layout, day), x) << day;
    }
    // 38.0 lies 30 above the top, 35.0 31 below the bottom.
    for (const auto &[tenths, y] : {std::pair<std::uint16_t, int>{375, 64},
                                    {374, 70},
                                    {367, 112},
                                    {356, 178},
                                    {355, 184},
                                    {380, 34},
                                    {350, 214},
                                    {0, 2314}}) {
        EXPECT_EQ(TempToY(layout, tenths), y) << tenths;
    }
}

} // namespace
} // namespace plenta
