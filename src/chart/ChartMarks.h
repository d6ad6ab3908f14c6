// SPDX-License-Identifier: GPL-3.0-or-later
// The histograms of ovulation and intercourse marks by cycle day, and the lines of the picked date and today.
#pragma once

#include "chart/ChartLayout.h"
#include "chart/ChartText.h"

#include "journal/JournalTypes.h"

class QPainter;

namespace plenta {

// A yellow bar per cycle day as wide as its ovulation count, at most 6 pixels (the column between two lines).
void PaintOvulationBars(QPainter &painter, const ChartLayout &layout, const CycleStats &stats);

// An "x" per intercourse mark, each one pixel right of the one before; the eighth starts again at the left.
void PaintIntercourseMarks(QPainter &painter, GlyphBatch &glyphs, const ChartLayout &layout,
                           const CycleStats &stats);

// Light green at the picked date's cycle day, navy at today's, offset so that both show on the same day.
void PaintDayLines(QPainter &painter, const ChartLayout &layout, const CycleStats &stats);

} // namespace plenta
