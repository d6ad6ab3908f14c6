// The chart's colours, one per purpose, so that painting code and probes name the same values.
#pragma once

#include <QRgb>

namespace plenta::chart_colour {

inline constexpr QRgb GRID = qRgb(208, 208, 208);       // grid lines
inline constexpr QRgb HISTORY = qRgb(127, 127, 127);    // earlier cycles; band beyond the longest cycle
inline constexpr QRgb INK = qRgb(0, 0, 0);              // current cycle, frame, base line, outlines, text
inline constexpr QRgb TODAY = qRgb(0, 0, 128);          // navy line of today's cycle day
inline constexpr QRgb PICKED = qRgb(128, 255, 128);     // light green line of the picked date's cycle day
inline constexpr QRgb PERIOD = qRgb(255, 192, 192);     // rose band of cycle days 1 to 6
inline constexpr QRgb MUCUS = qRgb(255, 255, 192);      // pale yellow mucus band and mucus markers
inline constexpr QRgb AVERAGE = qRgb(192, 192, 192);    // silver band beyond the average cycle length
inline constexpr QRgb OVULATION = qRgb(255, 255, 0);    // yellow ovulation bars and markers
inline constexpr QRgb BACKGROUND = qRgb(255, 255, 255); // the window's erase colour

} // namespace plenta::chart_colour
