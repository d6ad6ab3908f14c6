// Drawing primitives that follow the handheld's pixel rules on an aliased QPainter: a line leaves out its
// last pixel, a rectangle its right and bottom edges, and a wide pen puts its extra pixels left of a steep
// line and above a shallow one. Everything the chart draws goes through these, so the rules live in one
// place.
#pragma once

#include <QLine>
#include <QPen>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <optional>

class QPainter;

namespace plenta {

// A solid one-pixel pen. Qt draws both ends of its lines; ShortenedLine and LineBatch leave out the last.
QPen ThinPen(QRgb colour);

// The line from `line.p1()` to the pixel before `line.p2()`, so that an end-inclusive pen covers what the
// handheld's line from p1 to p2 covers. Empty for a line of no length, which draws nothing.
std::optional<QLine> ShortenedLine(QLine line);

// A line from p1 to p2 without its last pixel, with the painter's pen.
void DrawLine(QPainter &painter, QLine line);

// Fills left..right-1 by top..bottom-1; an empty or inverted rectangle fills nothing.
void FillBox(QPainter &painter, int left, int top, int right, int bottom, QRgb colour);

// A vertical line of `width` pixels from (x, y0) down to y1 (excluded), covering x - width/2 to
// x - width/2 + width - 1: a 2-pixel line covers x - 1 and x, a 6-pixel line x - 3 to x + 2.
void DrawVerticalStroke(QPainter &painter, int x, int y0, int y1, int width, QRgb colour);

// The 7 x 7 day marker centred on `centre` (x - 3 to x + 3, y - 3 to y + 3): the painter's brush inside, its
// pen around.
void DrawMarker(QPainter &painter, QPoint centre);

// Line segments gathered into fixed storage and drawn with the current pen in one call, so that a paint
// allocates nothing per point.
template <std::size_t Capacity> class LineBatch {
public:
    // A line from p1 to p2 without its last pixel.
    void add(QLine line) {
        const std::optional<QLine> shortened = ShortenedLine(line);
        if (shortened && count_ < Capacity) {
            lines_[count_++] = *shortened;
        }
    }

    // A 2-pixel line: the line itself and a copy one pixel left of it (steep) or above it (shallow).
    void addWide(QLine line) {
        add(line);
        const bool steep = std::abs(line.dy()) > std::abs(line.dx());
        add(line.translated(steep ? QPoint(-1, 0) : QPoint(0, -1)));
    }

    void draw(QPainter &painter) const;

    std::size_t size() const { return count_; }

private:
    std::array<QLine, Capacity> lines_{};
    std::size_t count_ = 0;
};

void DrawLines(QPainter &painter, const QLine *lines, std::size_t count);

template <std::size_t Capacity> void LineBatch<Capacity>::draw(QPainter &painter) const {
    DrawLines(painter, lines_.data(), count_);
}

} // namespace plenta
