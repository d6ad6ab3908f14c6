// The chart's paint, step by step in drawing order, and its ties to the main window.
#include "ChartPainter.h"

#include "ChartBackground.h"
#include "ChartColours.h"
#include "ChartCurves.h"
#include "ChartDrawing.h"
#include "ChartMarks.h"
#include "ChartStrip.h"
#include "ChartText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace plenta {

void PaintChart(QPainter &painter, const ChartLayout &layout, const ChartInputs &inputs) {
    // Pens, brushes and the font live only for this paint: the caller's painter state comes back at the end.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(ChartFont());
    GlyphBatch glyphs(painter.font());

    // Each step draws over the earlier ones.
    PaintBands(painter, layout, inputs.stats);
    PaintGrid(painter, layout);
    PaintFrame(painter, layout);
    PaintPictureStrip(painter, layout, inputs.picture);
    PaintBaseLine(painter, layout);
    AddDayNumbers(glyphs, layout);
    AddTemperatureLabels(glyphs, layout);
    painter.setPen(ThinPen(chart_colour::INK));
    glyphs.Draw(painter);
    PaintHistoryCurve(painter, layout, inputs.table);
    PaintOvulationBars(painter, layout, inputs.stats);
    PaintCurrentCycle(painter, layout, inputs.table, CurrentCycleStart(inputs.table));
    PaintIntercourseMarks(painter, glyphs, layout, inputs.stats);
    PaintDayLines(painter, layout, inputs.stats);

    painter.restore();
}

void PaintChart(QWidget &window, const ChartLayout &layout, Invalidate invalidateFirst) {
    if (invalidateFirst == Invalidate::First) {
        window.repaint(layout.WindowChartRect());
        return;
    }
    // Qt posts pending repaints to the top-level window; delivering them now paints what is invalid.
    QCoreApplication::sendPostedEvents(window.window(), QEvent::UpdateRequest);
}

void InvalidateChart(QWidget &window, const ChartLayout &layout, CycleStats &stats,
                     std::int32_t selectedCycleDay) {
    window.update(layout.WindowChartRect());
    stats.selectedCycleDay = selectedCycleDay;
}

} // namespace plenta
