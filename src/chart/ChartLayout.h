// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's geometry in pixels of the main window's client area, and the day and temperature conversions.
#pragma once

#include <QRect>

#include <cstdint>

namespace plenta {

// The main window's client area: the handheld's visible desktop below its task bar, which the window fills
// and every layout is drawn in.
inline constexpr int WINDOW_WIDTH = 240;
inline constexpr int WINDOW_HEIGHT = 294;

struct ChartLayout {
    // Pixels per cycle day
    static constexpr int COLUMN_WIDTH = 7;
    // Pixels per 0.1 degree
    static constexpr int PIXELS_PER_TENTH = 6;
    int left = 1;
    // The line of 37.5 degrees
    int top = 64;
    int right = 238;
    int bottom = 64 + 119;
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

// The layout below the sub-windows stacked so far (64 when both the form and the toolbar exist).
ChartLayout MakeChartLayout(int layoutOffset);

// x of a cycle day's points: 3 pixels right of the left edge of the day's column. Not clamped.
int DayToX(const ChartLayout &layout, std::uint16_t day);

// y of a temperature in tenths: 37.5 at top, 35.5 at bottom + 1. Not clamped.
int TempToY(const ChartLayout &layout, std::uint16_t tenths);

} // namespace plenta
