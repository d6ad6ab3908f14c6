// SPDX-License-Identifier: GPL-3.0-or-later
// Bands, grid, frame and base line of the chart; see ChartBackground.h.
#include "chart/ChartBackground.h"

#include "chart/ChartColours.h"
#include "chart/ChartDrawing.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace plenta {

namespace {

constexpr int PERIOD_DAYS = 6;
constexpr int BASE_LINE_BELOW_BOTTOM = 21;

// x of the left edge of the column after `days` days. The statistics are the scan's own numbers, but the
// arithmetic is widened and kept far off-screen so that no value can overflow; nothing visible is clamped.
int ColumnEdge(const ChartLayout &layout, std::int64_t days) {
    constexpr std::int64_t FAR_OFF = 1 << 20;
    const std::int64_t x = layout.left + days * ChartLayout::COLUMN_WIDTH;
    return static_cast<int>(std::clamp(x, -FAR_OFF, FAR_OFF));
}

} // namespace

void PaintBands(QPainter &painter, const ChartLayout &layout, const CycleStats &stats) {
    FillBox(painter, layout.left, layout.top, ColumnEdge(layout, PERIOD_DAYS), layout.bottom,
            chart_colour::PERIOD);
    if (stats.mucusFirstDay < stats.mucusLastDay) {
        // The band stops at the left edge of the last mucus day's column: that column stays unshaded.
        FillBox(painter, ColumnEdge(layout, std::int64_t{stats.mucusFirstDay} - 1), layout.top,
                ColumnEdge(layout, std::int64_t{stats.mucusLastDay} - 1), layout.bottom, chart_colour::MUCUS);
    }
    if (stats.longestCycle != 0) {
        if (stats.averageCycleLength != 0) {
            FillBox(painter, ColumnEdge(layout, stats.averageCycleLength), layout.top, layout.right,
                    layout.bottom, chart_colour::AVERAGE);
        }
        if (stats.longestCycle > 0) {
            FillBox(painter, ColumnEdge(layout, stats.longestCycle), layout.top, layout.right, layout.bottom,
                    chart_colour::HISTORY);
        }
    }
}

void PaintGrid(QPainter &painter, const ChartLayout &layout) {
    // Each horizontal line starts at x = 0, one pixel left of the frame.
    for (int y = layout.top; y <= layout.bottom; y += ChartLayout::PIXELS_PER_TENTH) {
        DrawLine(painter, QLine(0, y, layout.right, y), chart_colour::GRID);
    }
    for (int x = layout.left; x <= layout.right; x += ChartLayout::COLUMN_WIDTH) {
        DrawLine(painter, QLine(x, layout.top, x, layout.bottom), chart_colour::GRID);
    }
}

void PaintFrame(QPainter &painter, const ChartLayout &layout) {
    // One closed polyline: every segment leaves out its end, which the next segment starts with.
    LineBatch<4> sides;
    sides.Add(QLine(layout.right, layout.top, layout.left, layout.top));
    sides.Add(QLine(layout.left, layout.top, layout.left, layout.bottom));
    sides.Add(QLine(layout.left, layout.bottom, layout.right, layout.bottom));
    sides.Add(QLine(layout.right, layout.bottom, layout.right, layout.top));
    sides.Draw(painter, chart_colour::INK);
}

void PaintBaseLine(QPainter &painter, const ChartLayout &layout) {
    const int y = layout.bottom + BASE_LINE_BELOW_BOTTOM;
    DrawLine(painter, QLine(0, y, layout.right, y), chart_colour::INK);
}

} // namespace plenta
