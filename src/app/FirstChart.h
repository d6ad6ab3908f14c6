// The chart of the window's first paint, drawn on a second thread while the main thread makes the entry form.
// Both need the font configuration and neither needs the other; on a second processor the chart, the largest
// piece of the first paint, is ready when the window first paints.
#pragma once

#include "chart/ChartLayout.h"
#include "chart/Picture.h"
#include "journal/JournalTypes.h"

#include <QImage>

#include <thread>

namespace plenta {

class FirstChart {
public:
    // Starts drawing the chart of these inputs (copied) at the handheld's size on white, as the window shows
    // it unzoomed. Where no thread can be started, the window paints the chart itself as always.
    FirstChart(const DayPointTable &table, const CycleStats &stats, const ChartLayout &layout,
               const Picture &picture);
    ~FirstChart();
    FirstChart(const FirstChart &) = delete;
    FirstChart &operator=(const FirstChart &) = delete;

    // Waits for the drawing and gives the image when it was drawn from exactly these inputs (the zoom aside,
    // which the drawing does not depend on); a null image when anything changed since or nothing was drawn.
    QImage TakeIfDrawnFrom(const DayPointTable &table, const CycleStats &stats, const ChartLayout &layout,
                           const Picture &picture);

private:
    void Draw();

    DayPointTable table_;
    CycleStats stats_;
    ChartLayout layout_;
    Picture picture_;
    QImage image_;
    std::thread drawer_;
};

} // namespace plenta
