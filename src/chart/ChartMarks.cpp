// SPDX-License-Identifier: GPL-3.0-or-later
// Histograms and day lines of the chart; see ChartMarks.h.
#include "chart/ChartMarks.h"

#include "chart/ChartColours.h"
#include "chart/ChartDrawing.h"

#include <QPainter>

#include <algorithm>

namespace plenta {

namespace {

constexpr int FIRST_DAY = 1;
constexpr int LAST_DAY = 34;
constexpr int WIDEST_BAR = ChartLayout::COLUMN_WIDTH - 1;
constexpr int MARK_ABOVE_BOTTOM = 12;
constexpr int DAY_LINE_WIDTH = 2;
constexpr int PICKED_OFFSET = 2;
constexpr int TODAY_OFFSET = 4;

} // namespace

void PaintOvulationBars(QPainter &painter, const ChartLayout &layout, const CycleStats &stats) {
    for (int day = FIRST_DAY; day <= LAST_DAY; ++day) {
        const int count = stats.ovulationCounts[static_cast<std::size_t>(day)];
        if (count > 0) {
            const int width = count < ChartLayout::COLUMN_WIDTH ? count : WIDEST_BAR;
            DrawVerticalStroke(painter, DayToX(layout, static_cast<std::uint16_t>(day)) + 1, layout.top + 1,
                               layout.bottom - 1, width, chart_colour::OVULATION);
        }
    }
}

void PaintIntercourseMarks(QPainter &painter, GlyphBatch &glyphs, const ChartLayout &layout,
                           const CycleStats &stats) {
    for (int day = FIRST_DAY; day <= LAST_DAY; ++day) {
        // Offsets repeat after seven marks, and aliased text drawn again leaves the same pixels, so the marks
        // beyond the seventh change nothing and are skipped.
        const int marks =
            std::min<int>(stats.intercourseCounts[static_cast<std::size_t>(day)], ChartLayout::COLUMN_WIDTH);
        const int columnLeft = layout.left + (day - 1) * ChartLayout::COLUMN_WIDTH;
        for (int j = 0; j < marks; ++j) {
            glyphs.Add(QPoint(columnLeft + j, layout.bottom - MARK_ABOVE_BOTTOM), "x");
        }
    }
    painter.setPen(ThinPen(chart_colour::INK));
    glyphs.Draw(painter);
}

void PaintDayLines(QPainter &painter, const ChartLayout &layout, const CycleStats &stats) {
    // Only the low 16 bits of the cycle days count, read as unsigned.
    const auto picked = static_cast<std::uint16_t>(stats.selectedCycleDay);
    const auto today = static_cast<std::uint16_t>(stats.todayCycleDay);
    DrawVerticalStroke(painter, DayToX(layout, picked) + PICKED_OFFSET, layout.top, layout.bottom,
                       DAY_LINE_WIDTH, chart_colour::PICKED);
    DrawVerticalStroke(painter, DayToX(layout, today) + TODAY_OFFSET, layout.top, layout.bottom,
                       DAY_LINE_WIDTH, chart_colour::TODAY);
}

} // namespace plenta
