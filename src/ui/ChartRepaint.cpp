// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's chart repaints.
#include "ui/ChartRepaint.h"

#include "ui/AccessibleFactory.h"

#include <QWidget>

namespace plenta {

void PaintChart(QWidget &window, const ChartLayout &layout) {
    window.repaint(layout.WindowChartRect());
    AnnounceChartChange(window);
}

void InvalidateChart(QWidget &window, const ChartLayout &layout) {
    window.update(layout.WindowChartRect());
    AnnounceChartChange(window);
}

} // namespace plenta
