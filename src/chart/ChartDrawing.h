// Drawing primitives that follow the handheld's pixel rules on an aliased QPainter: a line leaves out its
// last pixel, a rectangle its right and bottom edges, and a wide pen puts its extra pixels left of a steep
// line and above a shallow one. Everything the chart draws goes through these, so the rules live in one
// place.
#pragma once

#include <QLine>
#include <QPen>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <optional>

class QPainter;

namespace plenta {

// A solid one-pixel pen, for lines and text. Qt draws both ends of its lines; ShortenedLine leaves out the
// last.
QPen ThinPen(QRgb colour);

// The line from `line.p1()` to the pixel before `line.p2()`, so that an end-inclusive pen covers what the
// handheld's line from p1 to p2 covers. Empty for a line of no length, which draws nothing.
std::optional<QLine> ShortenedLine(QLine line);

// A line from p1 to p2 without its last pixel, in `colour`.
void DrawLine(QPainter &painter, QLine line, QRgb colour);

// Fills left..right-1 by top..bottom-1; an empty or inverted rectangle fills nothing.
void FillBox(QPainter &painter, int left, int top, int right, int bottom, QRgb colour);

// A vertical line of `width` pixels from (x, y0) down to y1 (excluded), covering x - width/2 to
// x - width/2 + width - 1: a 2-pixel line covers x - 1 and x, a 6-pixel line x - 3 to x + 2.
void DrawVerticalStroke(QPainter &painter, int x, int y0, int y1, int width, QRgb colour);

// The 7 x 7 day marker centred on `centre` (x - 3 to x + 3, y - 3 to y + 3): the painter's brush inside, its
// pen around.
void DrawMarker(QPainter &painter, QPoint centre);

// Strokes `lines` with a thin pen and fills `boxes`, all in `colour`.
void DrawBatch(QPainter &painter, QRgb colour, const QLine *lines, std::size_t lineCount, const QRect *boxes,
               std::size_t boxCount);

// Line segments gathered into fixed storage and drawn with one colour at the end, so that a paint allocates
// nothing per point. Upright and level lines become filled boxes, which Qt fills far faster than it strokes.
template <std::size_t Capacity> class LineBatch {
public:
    // A line from p1 to p2 without its last pixel.
    void add(QLine line) {
        const std::optional<QLine> shortened = ShortenedLine(line);
        if (!shortened) {
            return;
        }
        if (shortened->dx() == 0 || shortened->dy() == 0) {
            if (boxCount_ < Capacity) {
                // Both ends are covered; QRect::normalized would move a reversed rectangle by a pixel.
                const QPoint a = shortened->p1(), b = shortened->p2();
                boxes_[boxCount_++] = QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                                            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
            }
        } else if (lineCount_ < Capacity) {
            lines_[lineCount_++] = *shortened;
        }
    }

    // A 2-pixel line: the line itself and a copy one pixel left of it (steep) or above it (shallow).
    void addWide(QLine line) {
        add(line);
        const bool steep = std::abs(line.dy()) > std::abs(line.dx());
        add(line.translated(steep ? QPoint(-1, 0) : QPoint(0, -1)));
    }

    void draw(QPainter &painter, QRgb colour) const {
        DrawBatch(painter, colour, lines_.data(), lineCount_, boxes_.data(), boxCount_);
    }

private:
    std::array<QLine, Capacity> lines_;
    std::array<QRect, Capacity> boxes_;
    std::size_t lineCount_ = 0;
    std::size_t boxCount_ = 0;
};

} // namespace plenta
