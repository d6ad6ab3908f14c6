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

// Draws the whole chart, strip and day numbers into a painter whose clip is the region to renew. The target
// must already be erased to the window's white, as a widget with a white auto-filled background is before
// its paintEvent. The painter's state is restored afterwards.
void PaintChart(QPainter &painter, const ChartLayout &layout, const ChartInputs &inputs);

// With Invalidate::First, repaints the chart rectangle of `window` at once (window's paintEvent calls the
// painter overload); with Invalidate::No it only paints, at once, what is already pending. Not for use
// inside a paintEvent.
void PaintChart(QWidget &window, const ChartLayout &layout, Invalidate invalidateFirst);

// Marks the chart rectangle for repainting and stores the picked date's cycle day for the next paint.
void InvalidateChart(QWidget &window, const ChartLayout &layout, CycleStats &stats,
                     std::int32_t selectedCycleDay);

} // namespace plenta
