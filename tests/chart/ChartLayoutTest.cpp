// The chart's geometry: the layout from the stacked sub-windows and the day and temperature conversions.
#include <ChartLayout.h>

#include <gtest/gtest.h>

namespace plenta {
namespace {

TEST(ChartLayout, FollowsTheStackedSubWindows) {
    struct Case {
        int offset;
        QRect chart;
    };
    const Case cases[] = {
        {64, QRect(QPoint(1, 64), QPoint(237, 182))}, // form and toolbar
        {30, QRect(QPoint(1, 30), QPoint(237, 148))}, // form only
        {0, QRect(QPoint(1, 0), QPoint(237, 118))},
    };
    for (const Case &c : cases) {
        const ChartLayout layout = MakeChartLayout(c.offset);
        EXPECT_EQ(layout.chartRect(), c.chart) << c.offset;
        EXPECT_EQ(layout.bottom, c.offset + 119) << c.offset;
    }
}

TEST(ChartLayout, DaysAndTemperaturesMapToPixelsUnclamped) {
    const ChartLayout layout = MakeChartLayout(64);
    struct DayCase {
        std::uint16_t day;
        int x;
    };
    const DayCase days[] = {
        {0, -3},                    // outside any counted cycle: left of the window
        {1, 4},                     // 3 right of the first column's edge at 1
        {14, 95},                   // the worked point
        {34, 235},       {35, 242}, // right of the window
        {65535, 458742},
    };
    for (const DayCase &c : days) {
        EXPECT_EQ(DayToX(layout, c.day), c.x) << c.day;
    }
    struct TempCase {
        std::uint16_t tenths;
        int y;
    };
    const TempCase temperatures[] = {
        {375, 64},  {374, 70}, {367, 112}, {356, 178}, {355, 184}, {380, 34}, // 38.0 lies 30 above the top
        {350, 214},                                                           // 35.0 lies 31 below the bottom
        {0, 2314},
    };
    for (const TempCase &c : temperatures) {
        EXPECT_EQ(TempToY(layout, c.tenths), c.y) << c.tenths;
    }
}

} // namespace
} // namespace plenta
