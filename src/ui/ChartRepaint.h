// When the main window repaints its chart: at once after a command, or later after a scan. What a paint
// draws is the chart layer's PaintChart(QPainter &, ...), which the window's paintEvent calls.
#pragma once

#include <ChartLayout.h>

class QWidget;

namespace plenta {

enum class Invalidate { No, First };

// With Invalidate::First, repaints the chart rectangle of `window` at once; with Invalidate::No it only
// paints, at once, what is already pending. Not for use inside a paintEvent.
void PaintChart(QWidget &window, const ChartLayout &layout, Invalidate invalidateFirst);

// Marks the chart rectangle of `window` for repainting; the event loop paints it later.
void InvalidateChart(QWidget &window, const ChartLayout &layout);

} // namespace plenta
