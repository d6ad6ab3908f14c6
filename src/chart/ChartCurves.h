// SPDX-License-Identifier: GPL-3.0-or-later
// The temperature curves: every cycle in grey over the same day axis, the current cycle in black on top, and
// the current cycle's mucus and ovulation markers.
#pragma once

#include "chart/ChartLayout.h"

#include "journal/JournalTypes.h"

class QPainter;

namespace plenta {

// The index just after the last point of cycle day 1 among points 0 .. count - 2, or `count` when there is
// none; a first day that is the very last point does not move it. Never less than 1 for two or more points.
int CurrentCycleStart(const DayPointTable &table);

// Joins each point to the one before it when its cycle day follows directly, in grey.
void PaintHistoryCurve(QPainter &painter, const ChartLayout &layout, const DayPointTable &table);

// The points from `start` on: their joins in black, 2 pixels wide, then their markers.
void PaintCurrentCycle(QPainter &painter, const ChartLayout &layout, const DayPointTable &table, int start);

} // namespace plenta
