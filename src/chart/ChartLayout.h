// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's geometry in pixels of the main window's client area, and the day and temperature conversions.
#pragma once

#include "chart/WindowBands.h"

#include <QRect>

#include <cstdint>

namespace plenta {

struct ChartLayout {
    // Pixels per cycle day
    static constexpr int COLUMN_WIDTH = 7;
    // Pixels per 0.1 degree
    static constexpr int PIXELS_PER_TENTH = 6;
    int left = 1;
    // The line of 37.5 degrees
    int top = CHART_TOP;
    int right = WINDOW_WIDTH - 2;
    int bottom = CHART_TOP + 119;
    // Screen pixels across and down that the window gives each chart pixel; painting always works in chart
    // pixels, only the window's repaint areas grow with it.
    int zoom = 1;

    // The chart rectangle (left, top, right, bottom) with the right and bottom edges exclusive.
    QRect ChartRect() const { return QRect(left, top, right - left, bottom - top); }
    // The chart rectangle in the window's own pixels.
    QRect WindowChartRect() const {
        return QRect(left * zoom, top * zoom, (right - left) * zoom, (bottom - top) * zoom);
    }
};

// The layout of a chart whose top line lies at `top`; the window's chart lies at CHART_TOP.
ChartLayout MakeChartLayout(int top);

// x of a cycle day's points: 3 pixels right of the left edge of the day's column. Not clamped.
int DayToX(const ChartLayout &layout, std::uint16_t day);

// y of a temperature in tenths: 37.5 at top, 35.5 at bottom + 1. Not clamped.
int TempToY(const ChartLayout &layout, std::uint16_t tenths);

} // namespace plenta
