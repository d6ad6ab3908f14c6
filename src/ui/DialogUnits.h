// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of dialog-template rectangles (dialog units) into pixels.
#pragma once

#include "chart/WindowBands.h"
#include <DialogTemplates.h>

#include <QRect>

class QFont;

namespace plenta {

// Pixels per four horizontal and per eight vertical dialog units.
struct DialogBase {
    int x4;
    int y8;
};

// The entry form's fixed scale: 108 units are the 240-pixel screen width, 12 units the 30-pixel band.
inline constexpr int FORM_PIXELS_ACROSS = WINDOW_WIDTH;
inline constexpr int FORM_UNITS_ACROSS = 108;
inline constexpr int FORM_PIXELS_DOWN = FORM_BAND;
inline constexpr int FORM_UNITS_DOWN = 12;

// The form's rectangle in pixels, rounded to the nearest pixel.
QRect FormUnitsToPixels(const DialogRect &rect);

// The base units of a font as the handheld's dialog manager takes them: the average width of the Latin
// letters and the line height.
DialogBase DialogBaseOf(const QFont &font);

QRect DialogUnitsToPixels(const DialogRect &rect, DialogBase base);

} // namespace plenta
