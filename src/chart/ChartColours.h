// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's colours, one per purpose, so that painting code and probes name the same values.
#pragma once

#include <QRgb>

namespace plenta::chart_colour {

// Grid lines
inline constexpr QRgb GRID = qRgb(208, 208, 208);
// Earlier cycles; band beyond the longest cycle
inline constexpr QRgb HISTORY = qRgb(127, 127, 127);
// Current cycle, frame, base line, outlines, text
inline constexpr QRgb INK = qRgb(0, 0, 0);
// Navy line of today's cycle day
inline constexpr QRgb TODAY = qRgb(0, 0, 128);
// Light green line of the picked date's cycle day
inline constexpr QRgb PICKED = qRgb(128, 255, 128);
// Rose band of cycle days 1 to 6
inline constexpr QRgb PERIOD = qRgb(255, 192, 192);
// Pale yellow mucus band and mucus markers
inline constexpr QRgb MUCUS = qRgb(255, 255, 192);
// Silver band beyond the average cycle length
inline constexpr QRgb AVERAGE = qRgb(192, 192, 192);
// Yellow ovulation bars and markers
inline constexpr QRgb OVULATION = qRgb(255, 255, 0);
// The window's erase colour
inline constexpr QRgb BACKGROUND = qRgb(255, 255, 255);

} // namespace plenta::chart_colour
