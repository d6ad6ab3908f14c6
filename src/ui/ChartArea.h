// SPDX-License-Identifier: GPL-3.0-or-later
// Stands for the painted chart among the window's widgets, so that a screen reader finds it and can read what
// it shows. It paints nothing and takes no taps: the main window paints the chart beneath it and answers the
// double tap; what it says is the accessibility factory's business.
#pragma once

#include "ui/ShellState.h"

#include <QWidget>

namespace plenta {

class ChartArea : public QWidget {
    Q_OBJECT

public:
    ChartArea(const ShellState &state, QWidget *parent);

    // The scan whose results the chart shows.
    const JournalScan &Scan() const { return state_.scan; }

    // Covers the chart's bands `zoom` times larger; zoom 1 is the handheld's layout.
    void SetZoom(int zoom);

private:
    const ShellState &state_;
};

// Creates the chart's stand-in over the bands below the toolbar at the zoom in force.
ChartArea *CreateChartArea(QWidget &mainWindow, const ShellState &state);

} // namespace plenta
