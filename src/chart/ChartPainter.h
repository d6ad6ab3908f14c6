// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the chart of all cycles and the picture strip from the results of the last journal scan, into any
// painter; when a window repaints is the ui's business.
#pragma once

#include "chart/ChartLayout.h"
#include "chart/Picture.h"

#include "journal/JournalTypes.h"

class QPainter;

namespace plenta {

// What a paint reads; the chart keeps nothing of its own between paints.
struct ChartInputs {
    const DayPointTable &table;
    const CycleStats &stats;
    const Picture &picture;
};

// Draws the whole chart, strip and day numbers into a painter whose clip is the region to renew. The target
// must already be erased to the window's white, as a widget with a white auto-filled background is before
// its paintEvent. The painter's state is restored afterwards.
void PaintChart(QPainter &painter, const ChartLayout &layout, const ChartInputs &inputs);

} // namespace plenta
