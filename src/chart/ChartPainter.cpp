// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's paint, step by step in drawing order.
#include "chart/ChartPainter.h"

#include "chart/ChartBackground.h"
#include "chart/ChartColours.h"
#include "chart/ChartCurves.h"
#include "chart/ChartDrawing.h"
#include "chart/ChartMarks.h"
#include "chart/ChartStrip.h"
#include "chart/ChartText.h"

#include <QPainter>

namespace plenta {

void PaintChart(QPainter &painter, const ChartLayout &layout, const ChartInputs &inputs) {
    // Pens, brushes and the font live only for this paint: the caller's painter state comes back at the end.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    // The font is only for the placeholder text; the chart's own characters are drawn without one.
    painter.setFont(ChartFont());
    GlyphBatch glyphs;

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

} // namespace plenta
