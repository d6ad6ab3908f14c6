// The chart's texts; see ChartText.h.
#include "ChartText.h"

#include <StringTable.h>

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace plenta {

namespace {

constexpr int FONT_PIXELS = 10;
constexpr int DAY_COLUMNS = 34;
constexpr int LABEL_CHARS = 4; // "37.4"

// Draws one character per day column so the digits line up with the grid whatever the font's advances.
void DrawColumnDigits(QPainter &painter, QPoint first, std::string_view digits) {
    const int columns = std::min<int>(DAY_COLUMNS, static_cast<int>(digits.size()));
    for (int k = 0; k < columns; ++k) {
        const QChar digit = QLatin1Char(digits[static_cast<std::size_t>(k)]);
        DrawCellText(painter, first + QPoint(k * ChartLayout::columnWidth, 0),
                     QString::fromRawData(&digit, 1));
    }
}

// Path characters that would break the text into more lines, or draw nothing, are shown as '?'.
QString PrintablePath(const QString &path) {
    QString printable = path;
    for (QChar &c : printable) {
        if (c.category() == QChar::Other_Control) {
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

void DrawCellText(QPainter &painter, QPoint topLeft, const QString &text) {
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
}

void DrawDayNumbers(QPainter &painter, const ChartLayout &layout) {
    DrawColumnDigits(painter, QPoint(layout.left + 1, layout.bottom - 2), LoadText(StringId::DayTens));
    DrawColumnDigits(painter, QPoint(layout.left + 1, layout.bottom + 8), LoadText(StringId::DayUnits));
}

void DrawTemperatureLabels(QPainter &painter, const ChartLayout &layout) {
    constexpr int firstLabel = 374;
    constexpr int lowestTenths = 355;
    int k = 0;
    for (int tenths = firstLabel; tenths > lowestTenths; tenths -= 2, ++k) {
        // Single precision, as the labels were always computed, so 37.4 is 37.400002 and prints as 37.4.
        const float degrees = static_cast<float>(tenths) * 0.1f;
        std::array<char, 32> formatted{};
        std::snprintf(formatted.data(), formatted.size(), "%2.1f", static_cast<double>(degrees));
        std::array<QChar, LABEL_CHARS> label{};
        int length = 0;
        while (length < LABEL_CHARS && formatted[static_cast<std::size_t>(length)] != '\0') {
            label[static_cast<std::size_t>(length)] =
                QLatin1Char(formatted[static_cast<std::size_t>(length)]);
            ++length;
        }
        const QPoint topLeft(layout.left + 1, layout.top + k * 2 * ChartLayout::pixelsPerTenth);
        DrawCellText(painter, topLeft, QString::fromRawData(label.data(), length));
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
