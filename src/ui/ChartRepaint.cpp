// The main window's chart repaints.
#include "ChartRepaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace plenta {

void PaintChart(QWidget &window, const ChartLayout &layout, Invalidate invalidateFirst) {
    if (invalidateFirst == Invalidate::First) {
        window.repaint(layout.WindowChartRect());
        return;
    }
    // Qt posts pending repaints to the top-level window; delivering them now paints what is invalid.
    QCoreApplication::sendPostedEvents(window.window(), QEvent::UpdateRequest);
}

void InvalidateChart(QWidget &window, const ChartLayout &layout) {
    window.update(layout.WindowChartRect());
}

} // namespace plenta
