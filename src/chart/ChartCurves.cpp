// SPDX-License-Identifier: GPL-3.0-or-later
// Curves and markers of the chart; see ChartCurves.h.
#include "chart/ChartCurves.h"

#include "chart/ChartColours.h"
#include "chart/ChartDrawing.h"

#include <QBrush>
#include <QPainter>

#include <algorithm>
#include <bitset>

namespace plenta {

namespace {

int PointCount(const DayPointTable &table) {
    return std::clamp(table.count, 0, DAYPOINT_CAPACITY);
}

const DayPoint &PointAt(const DayPointTable &table, int i) {
    return table.points[static_cast<std::size_t>(i)];
}

QPoint Position(const ChartLayout &layout, const DayPoint &point) {
    return QPoint(DayToX(layout, point.cycleDay), TempToY(layout, point.temperature));
}

// Consecutive days of one cycle are joined; a missing day or the start of a new cycle breaks the curve.
bool JoinsPrevious(const DayPointTable &table, int i) {
    return PointAt(table, i).cycleDay == PointAt(table, i - 1).cycleDay + 1;
}

// From point i back to point i - 1, so that the line leaves out the earlier point's pixel.
QLine Join(const ChartLayout &layout, const DayPointTable &table, int i) {
    return QLine(Position(layout, PointAt(table, i)), Position(layout, PointAt(table, i - 1)));
}

// Remembers which joins the history has drawn already. All cycles lie over the same day axis, so joins
// repeat; drawing one again would change no pixel, and the history's cost grows with the joins it draws.
// Joins with a temperature outside the remembered range are simply always drawn.
class DrawnJoins {
public:
    // True the first time a join from `previous` to `point` is offered.
    bool FirstTime(const DayPoint &previous, const DayPoint &point) {
        const int from = previous.temperature - LOWEST;
        const int to = point.temperature - LOWEST;
        if (point.cycleDay > MAX_CYCLE_DAY || from < 0 || from >= SPAN || to < 0 || to >= SPAN) {
            return true;
        }
        const std::size_t key =
            (static_cast<std::size_t>(point.cycleDay) * SPAN + static_cast<std::size_t>(from)) * SPAN +
            static_cast<std::size_t>(to);
        const bool first = !seen_.test(key);
        seen_.set(key);
        return first;
    }

private:
    // The remembered temperatures, in tenths: 34.5 to 38.4 degrees.
    static constexpr int LOWEST = 345;
    static constexpr int SPAN = 40;
    std::bitset<static_cast<std::size_t>(CYCLE_COUNTERS) * SPAN * SPAN> seen_;
};

} // namespace

int CurrentCycleStart(const DayPointTable &table) {
    const int count = PointCount(table);
    int start = count;
    for (int i = 1; i < count; ++i) {
        if (PointAt(table, i - 1).cycleDay == 1) {
            start = i;
        }
    }
    return start;
}

void PaintHistoryCurve(QPainter &painter, const ChartLayout &layout, const DayPointTable &table) {
    LineBatch<DAYPOINT_CAPACITY> joins;
    DrawnJoins drawn;
    const int count = PointCount(table);
    for (int i = 1; i < count; ++i) {
        if (JoinsPrevious(table, i) && drawn.FirstTime(PointAt(table, i - 1), PointAt(table, i))) {
            joins.Add(Join(layout, table, i));
        }
    }
    joins.Draw(painter, chart_colour::HISTORY);
}

void PaintCurrentCycle(QPainter &painter, const ChartLayout &layout, const DayPointTable &table, int start) {
    const int count = PointCount(table);
    start = std::max(start, 1);
    if (start >= count) {
        return;
    }
    LineBatch<2 * DAYPOINT_CAPACITY> joins;
    for (int i = start; i < count; ++i) {
        if (JoinsPrevious(table, i)) {
            joins.AddWide(Join(layout, table, i));
        }
    }
    joins.Draw(painter, chart_colour::INK);

    // The current cycle's first day (point start - 1) belongs to the curve but gets no marker.
    const QBrush ovulation{QColor(chart_colour::OVULATION)};
    const QBrush mucus{QColor(chart_colour::MUCUS)};
    painter.setPen(ThinPen(chart_colour::INK));
    for (int i = start; i < count; ++i) {
        const DayPoint &point = PointAt(table, i);
        if ((point.marks & MARK_OVULATION) != 0) {
            painter.setBrush(ovulation);
        } else if ((point.marks & MARK_MUCUS) != 0) {
            painter.setBrush(mucus);
        } else {
            continue;
        }
        DrawMarker(painter, Position(layout, point));
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace plenta
