// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area and the bands stacked down it, so each top follows from the bands above it.
#pragma once

namespace plenta {

// The handheld's visible desktop below its task bar, which the window fills and every layout is drawn in. The
// form, the toolbar, the chart and the picture strip all span the screen's width.
inline constexpr int WINDOW_WIDTH = 240;
inline constexpr int WINDOW_HEIGHT = 294;

// Top down: the entry form's one-row band, the toolbar, then the chart (its day numbers and the picture strip
// below it belong to the chart's own layout).
inline constexpr int FORM_TOP = 0;
inline constexpr int FORM_BAND = 30;
inline constexpr int TOOLBAR_TOP = FORM_TOP + FORM_BAND;
inline constexpr int TOOLBAR_HEIGHT = 34;
inline constexpr int CHART_TOP = TOOLBAR_TOP + TOOLBAR_HEIGHT;

} // namespace plenta
