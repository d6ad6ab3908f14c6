// The chart's texts: the font, text placed by its first character cell, the day numbers, the temperature
// labels and the placeholder text of the picture strip.
#pragma once

#include "ChartLayout.h"

#include <QFont>
#include <QString>

class QPainter;

namespace plenta {

// A small aliased sans font, the stand-in for the handheld's default font.
QFont ChartFont();

// Draws `text` with the top-left corner of its first character cell at `topLeft`, in the pen's colour, with
// nothing drawn behind the glyphs.
void DrawCellText(QPainter &painter, QPoint topLeft, const QString &text);

// The tens row and the units row of the day numbers 1 to 34, one digit placed in each day column.
void DrawDayNumbers(QPainter &painter, const ChartLayout &layout);

// The ten labels 37.4, 37.2, ... 35.6, each 6 pixels above the grid line of its temperature.
void DrawTemperatureLabels(QPainter &painter, const ChartLayout &layout);

// The text that names the expected picture path, centred line by line in its box under the chart; a path too
// wide for the box loses its middle.
void DrawPlaceholderText(QPainter &painter, const ChartLayout &layout, const QString &picturePath);

} // namespace plenta
