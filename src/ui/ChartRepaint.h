// SPDX-License-Identifier: GPL-3.0-or-later
// When the main window repaints its chart: at once after a command, or later after a scan. What a paint
// draws is the chart layer's PaintChart(QPainter &, ...), which the window's paintEvent calls. Either tells a
// listening screen reader that the chart's description may have changed.
#pragma once

#include "chart/ChartLayout.h"

class QWidget;

namespace plenta {

// Repaints the chart rectangle of `window` before it returns. Not for use inside a paintEvent.
void PaintChart(QWidget &window, const ChartLayout &layout);

// Marks the chart rectangle of `window` for repainting; the event loop paints it later.
void InvalidateChart(QWidget &window, const ChartLayout &layout);

} // namespace plenta
