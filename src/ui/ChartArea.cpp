// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's stand-in among the widgets.
#include "ui/ChartArea.h"

#include "chart/WindowBands.h"
#include "ui/Zoom.h"

namespace plenta {

ChartArea::ChartArea(const ShellState &state, QWidget *parent)
    : QWidget(parent)
    , state_(state) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ChartArea::SetZoom(int zoom) {
    setGeometry(Zoomed(QRect(0, CHART_TOP, WINDOW_WIDTH, WINDOW_HEIGHT - CHART_TOP), zoom));
}

ChartArea *CreateChartArea(QWidget &mainWindow, const ShellState &state) {
    auto *chart = new ChartArea(state, &mainWindow);
    chart->SetZoom(CurrentZoom());
    chart->show();
    return chart;
}

} // namespace plenta
