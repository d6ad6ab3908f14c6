// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's texts; see ChartText.h.
#include "chart/ChartText.h"

#include "chart/Picture.h"
#include "journal/JournalTypes.h"
#include <StringTable.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace plenta {

namespace {

constexpr int FONT_PIXELS = 10;
constexpr int DAY_COLUMNS = 34;
// The characters of a temperature label such as "37.4".
constexpr int LABEL_CHARS = 4;

constexpr int RESERVED_GLYPHS = 256;
// Rows left blank between the frame's bottom line and the tens digits, and between tens and units.
constexpr int DIGIT_GAP = 1;

// Where a digit's ink lies in its text cell: the first inked row below the cell's top and the number of
// inked rows, over all ten digits. The font's ascent says nothing about this (DejaVu's digits start two rows
// below the cell).
struct DigitInk {
    int top = 0;
    int height = 0;
};

constexpr DigitInk MeasureDigitInk() {
    int first = -1;
    int last = -1;
    for (const ChartGlyph &glyph : CHART_GLYPHS) {
        if (glyph.character < '0' || glyph.character > '9') {
            continue;
        }
        for (int row = 0; row < static_cast<int>(glyph.rows.size()); ++row) {
            if (glyph.rows[static_cast<std::size_t>(row)].find('#') != std::string_view::npos) {
                first = first < 0 ? row : std::min(first, row);
                last = std::max(last, row);
            }
        }
    }
    return first < 0 ? DigitInk{} : DigitInk{GLYPH_INK_TOP + first, last - first + 1};
}

constexpr DigitInk DIGIT_INK = MeasureDigitInk();

constexpr std::size_t GlyphOf(char c) {
    for (std::size_t i = 0; i < CHART_GLYPHS.size(); ++i) {
        if (CHART_GLYPHS[i].character == c) {
            return i;
        }
    }
    return CHART_GLYPHS.size();
}

// Path characters that would break the text into more lines (controls, the line and paragraph separators)
// or stand for bytes that are no UTF-8 (the replacement character) are shown as '?', so the path stays on
// its one line and shows where it could not be read.
QString PrintablePath(const QString &path) {
    QString printable = path;
    for (QChar &c : printable) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ReplacementCharacter) {
            c = QLatin1Char('?');
        }
    }
    return printable;
}

// The placeholder's text with the strip's size, which the chart owns, in place of its two %d.
QString PlaceholderText() {
    QString text = QCoreApplication::translate("StringTable", LoadText(StringId::PicturePlaceholder).data());
    for (const int number : {PICTURE_STRIP_WIDTH, PICTURE_STRIP_HEIGHT}) {
        const qsizetype at = text.indexOf(QLatin1String("%d"));
        if (at >= 0) {
            text.replace(at, 2, QString::number(number));
        }
    }
    return text;
}

} // namespace

QFont ChartFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(FONT_PIXELS);
    // Aliased glyphs keep text crisp at this size and make redrawing the same text leave the same pixels.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

GlyphBatch::GlyphBatch() {
    placed_.reserve(RESERVED_GLYPHS);
}

void GlyphBatch::Add(QPoint topLeft, std::string_view text) {
    // The pen moves by the font's fractional advances; a character's cell starts at the whole pixel at or
    // left of the pen, where the font's own drawing put it.
    double pen = topLeft.x();
    for (const char c : text) {
        const std::size_t glyph = GlyphOf(c);
        if (glyph == CHART_GLYPHS.size()) {
            continue;
        }
        placed_.push_back({glyph, QPoint(static_cast<int>(std::floor(pen)), topLeft.y())});
        pen += CHART_GLYPHS[glyph].advance;
    }
}

void GlyphBatch::Draw(QPainter &painter) {
    const QRgb colour = painter.pen().color().rgba();
    if (images_[0].isNull() || colour != inkColour_) {
        inkColour_ = colour;
        for (std::size_t i = 0; i < CHART_GLYPHS.size(); ++i) {
            const ChartGlyph &glyph = CHART_GLYPHS[i];
            QImage image(GLYPH_COLUMNS, static_cast<int>(glyph.rows.size()),
                         QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            for (int y = 0; y < image.height(); ++y) {
                const std::string_view row = glyph.rows[static_cast<std::size_t>(y)];
                for (int x = 0; x < image.width() && x < static_cast<int>(row.size()); ++x) {
                    if (row[static_cast<std::size_t>(x)] == '#') {
                        image.setPixel(x, y, qPremultiply(colour));
                    }
                }
            }
            images_[i] = image;
        }
    }
    for (const Placed &placed : placed_) {
        painter.drawImage(placed.cell + QPoint(0, GLYPH_INK_TOP), images_[placed.glyph]);
    }
    placed_.clear();
}

void AddDayNumbers(GlyphBatch &glyphs, const ChartLayout &layout) {
    // One character per day column, so the digits line up with the grid whatever the font's advances.
    // The digits' ink, not their cells, is placed: the tens stand clear below the frame's bottom line (whose
    // row their ink would otherwise share, turning a 0 into a U), the units below the tens, all above the
    // base line.
    const int tensInk = layout.bottom + 1 + DIGIT_GAP;
    const std::string_view rows[] = {LoadText(StringId::DayTens), LoadText(StringId::DayUnits)};
    const int tops[] = {tensInk - DIGIT_INK.top, tensInk + DIGIT_INK.height + DIGIT_GAP - DIGIT_INK.top};
    for (std::size_t row = 0; row < 2; ++row) {
        const std::size_t columns = std::min<std::size_t>(DAY_COLUMNS, rows[row].size());
        for (std::size_t k = 0; k < columns; ++k) {
            const int x = layout.left + 1 + static_cast<int>(k) * ChartLayout::COLUMN_WIDTH;
            glyphs.Add(QPoint(x, tops[row]), rows[row].substr(k, 1));
        }
    }
}

void AddTemperatureLabels(GlyphBatch &glyphs, const ChartLayout &layout) {
    // Every second row from 37.4 down, above the form's lowest temperature.
    int k = 0;
    for (int tenths = TEMPERATURE_TOP - 1; tenths > TEMPERATURE_BOTTOM; tenths -= 2, ++k) {
        // Single precision, as the labels were always computed, so 37.4 is 37.400002 and prints as 37.4.
        // to_chars writes a point whatever the user's locale; printf would write "37,4" in a German one.
        const float degrees = static_cast<float>(tenths) * 0.1f;
        std::array<char, 32> formatted{};
        const auto written = std::to_chars(formatted.data(), formatted.data() + formatted.size(), degrees,
                                           std::chars_format::fixed, 1);
        const std::string_view label(formatted.data(),
                                     static_cast<std::size_t>(written.ptr - formatted.data()));
        const QPoint topLeft(layout.left + 1, layout.top + k * 2 * ChartLayout::PIXELS_PER_TENTH);
        glyphs.Add(topLeft, label.substr(0, LABEL_CHARS));
    }
}

void DrawPlaceholderText(QPainter &painter, const ChartLayout &layout, const QString &picturePath) {
    const QRect box(QPoint(10, layout.bottom + 40), QPoint(230 - 1, layout.bottom + 120 - 1));
    QString text = PlaceholderText();
    text += painter.fontMetrics().elidedText(PrintablePath(picturePath), Qt::ElideMiddle, box.width());
    // Without Qt::TextDontClip the text is clipped to the box, as the handheld's DrawText clips.
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
}

} // namespace plenta
