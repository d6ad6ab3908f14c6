// The chart's texts: the font, text placed by its first character cell, the day numbers, the temperature
// labels and the placeholder text of the picture strip.
#pragma once

#include "chart/ChartLayout.h"

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QString>

#include <array>
#include <string_view>

class QPainter;

namespace plenta {

// A small aliased sans font, the stand-in for the handheld's default font.
QFont ChartFont();

// The characters of the chart's own texts (digits, '.', 'x') placed at exact pixels and drawn in one call.
// Laying out each little string on its own costs far more than drawing it; this lays out nothing.
class GlyphBatch {
public:
    explicit GlyphBatch(const QFont &font);

    // Adds `text` with the top-left corner of its first character cell at `topLeft`, each further character
    // one advance to the right. Characters outside the chart's alphabet are left out.
    void Add(QPoint topLeft, std::string_view text);

    // Draws what was added in the pen's colour, with nothing behind the glyphs, and starts empty again.
    void Draw(QPainter &painter);

    // An empty batch in the same font. Finding a font's raw font and the glyphs' advances costs more than
    // drawing the chart's text, so a second batch in one paint is made from the first.
    GlyphBatch EmptyCopy() const;

private:
    static constexpr std::string_view ALPHABET = "0123456789.x";
    QRawFont font_;
    int ascent_ = 0;
    std::array<quint32, ALPHABET.size()> glyphs_{};
    std::array<qreal, ALPHABET.size()> advances_{};
    QList<quint32> indexes_;
    QList<QPointF> positions_;
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
