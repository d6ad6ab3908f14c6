// The chart's texts; see ChartText.h.
#include "chart/ChartText.h"

#include "journal/JournalTypes.h"
#include <StringTable.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdio>
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
// below the cell), so the rows are found by drawing the digits once, with the chart's own glyph drawing.
struct DigitInk {
    int top = 0;
    int height = 0;
};

DigitInk MeasureDigitInk(const GlyphBatch &chartGlyphs) {
    const QFontMetrics metrics(ChartFont());
    QImage image(metrics.height() * 10, metrics.height() * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(Qt::black);
        GlyphBatch glyphs = chartGlyphs.EmptyCopy();
        glyphs.Add(QPoint(0, 0), "0123456789");
        glyphs.Draw(painter);
    }
    DigitInk ink;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::any_of(row, row + image.width(), [](QRgb pixel) { return pixel != qRgb(255, 255, 255); })) {
            ink.top = last < 0 ? y : ink.top;
            last = y;
        }
    }
    ink.height = last < 0 ? 0 : last - ink.top + 1;
    return ink;
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

} // namespace

QFont ChartFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(FONT_PIXELS);
    // Aliased glyphs keep text crisp at this size and make redrawing the same text leave the same pixels.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

GlyphBatch::GlyphBatch(const QFont &font)
    : font_(QRawFont::fromFont(font))
    , ascent_(QFontMetrics(font).ascent()) {
    const QList<quint32> glyphs = font_.glyphIndexesForString(QString::fromLatin1(ALPHABET));
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(glyphs);
    for (std::size_t i = 0; i < ALPHABET.size() && i < static_cast<std::size_t>(glyphs.size()); ++i) {
        glyphs_[i] = glyphs[static_cast<qsizetype>(i)];
        advances_[i] =
            i < static_cast<std::size_t>(advances.size()) ? advances[static_cast<qsizetype>(i)].x() : 0;
    }
    indexes_.reserve(RESERVED_GLYPHS);
    positions_.reserve(RESERVED_GLYPHS);
}

GlyphBatch GlyphBatch::EmptyCopy() const {
    GlyphBatch copy(*this);
    copy.indexes_.clear();
    copy.positions_.clear();
    return copy;
}

void GlyphBatch::Add(QPoint topLeft, std::string_view text) {
    QPointF pen(topLeft.x(), topLeft.y() + ascent_);
    for (const char c : text) {
        const std::size_t glyph = ALPHABET.find(c);
        if (glyph == std::string_view::npos) {
            continue;
        }
        indexes_.append(glyphs_[glyph]);
        positions_.append(pen);
        pen.rx() += advances_[glyph];
    }
}

void GlyphBatch::Draw(QPainter &painter) {
    if (!indexes_.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(font_);
        run.setGlyphIndexes(indexes_);
        run.setPositions(positions_);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    indexes_.clear();
    positions_.clear();
}

void AddDayNumbers(GlyphBatch &glyphs, const ChartLayout &layout) {
    // One character per day column, so the digits line up with the grid whatever the font's advances.
    // The digits' ink, not their cells, is placed: the tens stand clear below the frame's bottom line (whose
    // row their ink would otherwise share, turning a 0 into a U), the units below the tens, all above the
    // base line.
    static const DigitInk ink = MeasureDigitInk(glyphs);
    const int tensInk = layout.bottom + 1 + DIGIT_GAP;
    const std::string_view rows[] = {LoadText(StringId::DayTens), LoadText(StringId::DayUnits)};
    const int tops[] = {tensInk - ink.top, tensInk + ink.height + DIGIT_GAP - ink.top};
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
        const float degrees = static_cast<float>(tenths) * 0.1f;
        std::array<char, 32> formatted{};
        std::snprintf(formatted.data(), formatted.size(), "%2.1f", static_cast<double>(degrees));
        const std::string_view label(formatted.data());
        const QPoint topLeft(layout.left + 1, layout.top + k * 2 * ChartLayout::PIXELS_PER_TENTH);
        glyphs.Add(topLeft, label.substr(0, LABEL_CHARS));
    }
}

void DrawPlaceholderText(QPainter &painter, const ChartLayout &layout, const QString &picturePath) {
    const QRect box(QPoint(10, layout.bottom + 40), QPoint(230 - 1, layout.bottom + 120 - 1));
    QString text = QString::fromUtf8(LoadText(StringId::PicturePlaceholder));
    text += painter.fontMetrics().elidedText(PrintablePath(picturePath), Qt::ElideMiddle, box.width());
    // Without Qt::TextDontClip the text is clipped to the box, as the handheld's DrawText clips.
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
}

} // namespace plenta
