// SPDX-License-Identifier: GPL-3.0-or-later
// What lies behind the curves: the shaded bands, the grid, the frame and the base line above the strip.
#pragma once

#include "chart/ChartLayout.h"

#include "journal/JournalTypes.h"

class QPainter;

namespace plenta {

// Rose days 1 to 6; the mucus band up to the column of the last mucus day; silver beyond the average and grey
// beyond the longest cycle once a cycle has been counted.
void PaintBands(QPainter &painter, const ChartLayout &layout, const CycleStats &stats);

// One light grey line for each tenth from 37.5 to 35.6 and one at the left edge of each day column.
void PaintGrid(QPainter &painter, const ChartLayout &layout);

void PaintFrame(QPainter &painter, const ChartLayout &layout);

// The line that separates the day numbers from the picture strip; it covers the strip's first row.
void PaintBaseLine(QPainter &painter, const ChartLayout &layout);

} // namespace plenta
