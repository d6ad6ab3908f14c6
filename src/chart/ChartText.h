// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's texts: the font, text placed by its first character cell, the day numbers, the temperature
// labels and the placeholder text of the picture strip.
#pragma once

#include "chart/ChartGlyphs.h"
#include "chart/ChartLayout.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <array>
#include <string_view>
#include <vector>

class QPainter;

namespace plenta {

// A small aliased sans font, the stand-in for the handheld's default font; the chart's own characters are its
// bitmaps (ChartGlyphs.h), and only the placeholder text under a missing picture is drawn with it.
QFont ChartFont();

// The characters of the chart's own texts (digits, '.', 'x') placed at exact pixels and drawn in one go, from
// the bitmaps of ChartGlyphs.h: the chart's text needs no font and lays out nothing.
class GlyphBatch {
public:
    GlyphBatch();

    // Adds `text` with the top-left corner of its first character cell at `topLeft`, each further character
    // one advance to the right. Characters outside the chart's alphabet are left out.
    void Add(QPoint topLeft, std::string_view text);

    // Draws what was added in the pen's colour, with nothing behind the glyphs, and starts empty again.
    void Draw(QPainter &painter);

private:
    struct Placed {
        std::size_t glyph = 0; // into CHART_GLYPHS
        QPoint cell;           // the top-left corner of its cell, in whole pixels
    };
    std::vector<Placed> placed_;
    // Each glyph's ink in `inkColour_` on a transparent ground, made at the first Draw in that colour.
    std::array<QImage, CHART_GLYPHS.size()> images_;
    QRgb inkColour_ = 0;
};

// The tens row and the units row of the day numbers 1 to 34, one digit placed in each day column; the tens
// ink starts two rows below the frame's bottom line, the units' ink one blank row below the tens'.
void AddDayNumbers(GlyphBatch &glyphs, const ChartLayout &layout);

// The ten labels 37.4, 37.2, ... 35.6, each 6 pixels above the grid line of its temperature.
void AddTemperatureLabels(GlyphBatch &glyphs, const ChartLayout &layout);

// The text that names the expected picture path, centred line by line in its box under the chart; a path too
// wide for the box loses its middle.
void DrawPlaceholderText(QPainter &painter, const ChartLayout &layout, const QString &picturePath);

} // namespace plenta
