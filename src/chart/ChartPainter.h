// Paints the chart of all cycles and the picture strip from the results of the last journal scan.
#pragma once

#include "ChartLayout.h"
#include "Picture.h"

#include <JournalTypes.h>

class QPainter;
class QWidget;

namespace plenta {

enum class Invalidate { No, First };

// What a paint reads; the chart keeps nothing of its own between paints.
struct ChartInputs {
    const DayPointTable &table;
    const CycleStats &stats;
    const Picture &picture;
};

// Draws the whole chart, strip and day numbers into a painter whose clip is the region to renew.
void PaintChart(QPainter &painter, const ChartLayout &layout, const ChartInputs &inputs);

// With Invalidate::First, erases and repaints the chart rectangle of `window` at once (window's paintEvent
// calls the painter overload); with Invalidate::No it only repaints what is already pending.
void PaintChart(QWidget &window, const ChartLayout &layout, Invalidate invalidateFirst);

// Marks the chart rectangle for repainting and stores the picked date's cycle day for the next paint.
void InvalidateChart(QWidget &window, const ChartLayout &layout, CycleStats &stats, std::int32_t selectedCycleDay);

} // namespace plenta
