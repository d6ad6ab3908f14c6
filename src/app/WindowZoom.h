// SPDX-License-Identifier: GPL-3.0-or-later
// Zooming the running window: the form, the toolbar, the chart and the boxes' text grow together, and a zoom
// chosen with the keys is remembered in the device root.
#pragma once

#include <optional>

namespace plenta {

class MainWindow;

// The zoom to start with: the one asked for on the command line, else the remembered one, else the largest
// that the primary screen's available height allows.
int StartZoom(std::optional<int> commandLineZoom);

// Lays the window and its children out at `zoom` (1 to 4) and repaints it.
void ApplyZoom(MainWindow &window, int zoom);

// One zoom step from the keys: +1 larger, -1 smaller, 0 back to zoom 1. The new zoom is applied and
// remembered; a step beyond the limits changes nothing.
void StepZoom(MainWindow &window, int step);

} // namespace plenta
