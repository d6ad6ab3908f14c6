// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in for the handheld's input-panel query: a desktop has no soft input panel, so the visible
// desktop is always that of a 240 x 320 screen less its 26-pixel task bar; only its size is ever asked for.
#pragma once

#include "chart/WindowBands.h"

#include <QSize>

namespace plenta {

inline constexpr QSize VISIBLE_DESKTOP{WINDOW_WIDTH, WINDOW_HEIGHT};

} // namespace plenta
