// SPDX-License-Identifier: GPL-3.0-or-later
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

class QPainter;

namespace plenta {

// A solid one-pixel pen, for the outlines of markers and for text.
QPen ThinPen(QRgb colour);

// The pixels of the line from p1 to p2 without p2, one per step along the major axis, each at the minor
// coordinate nearest to the straight line between the two points (halves away from p1's side), so none lies
// more than half a pixel off it. They come as runs of one minor coordinate, each a rectangle handed to
// `run`; a line of no length has none. The line is never shortened before it is rasterised: a shortened line
// has another slope, and its pixels stray up to a pixel from the line the chart means.
template <typename Run> void ForEachLineRun(QLine line, Run run);

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

// Draws `lines` without their last pixels and fills `boxes`, all in `colour`.
void DrawBatch(QPainter &painter, QRgb colour, const QLine *lines, std::size_t lineCount, const QRect *boxes,
               std::size_t boxCount);

// Line segments gathered into fixed storage and drawn with one colour at the end, so that a paint allocates
// nothing per point. Upright and level lines become filled boxes, which Qt fills far faster than it strokes.
template <std::size_t Capacity> class LineBatch {
public:
    // A line from p1 to p2 without its last pixel.
    void Add(QLine line) {
        if (line.dx() == 0 && line.dy() == 0) {
            return;
        }
        if (line.dx() == 0 || line.dy() == 0) {
            if (boxCount_ < Capacity) {
                ForEachLineRun(line, [this](QRect box) { boxes_[boxCount_++] = box; });
            }
        } else if (lineCount_ < Capacity) {
            lines_[lineCount_++] = line;
        }
    }

    // A 2-pixel line: the line itself and a copy one pixel left of it (steep) or above it (shallow).
    void AddWide(QLine line) {
        Add(line);
        const bool steep = std::abs(line.dy()) > std::abs(line.dx());
        Add(line.translated(steep ? QPoint(-1, 0) : QPoint(0, -1)));
    }

    void Draw(QPainter &painter, QRgb colour) const {
        DrawBatch(painter, colour, lines_.data(), lineCount_, boxes_.data(), boxCount_);
    }

private:
    std::array<QLine, Capacity> lines_;
    std::array<QRect, Capacity> boxes_;
    std::size_t lineCount_ = 0;
    std::size_t boxCount_ = 0;
};

template <typename Run> void ForEachLineRun(QLine line, Run run) {
    const int dx = line.dx();
    const int dy = line.dy();
    const bool steep = std::abs(dy) > std::abs(dx);
    const int major = std::max(std::abs(dx), std::abs(dy));
    const int majorStep = (steep ? dy : dx) < 0 ? -1 : 1;
    const int minorDelta = steep ? dx : dy;
    const int majorStart = steep ? line.y1() : line.x1();
    const int minorStart = steep ? line.x1() : line.y1();
    // A run covers major positions from..to (inclusive, in either order) at one minor coordinate.
    const auto addRun = [&](int from, int to, int minor) {
        const int low = std::min(from, to);
        const int length = std::abs(to - from) + 1;
        run(steep ? QRect(minor, low, 1, length) : QRect(low, minor, length, 1));
    };
    // Step i lies minorDelta * i / major off the start along the minor axis, rounded to the nearest integer
    // with halves away from zero: the quotient of (|minorDelta| * i + major / 2) / major, kept with its
    // remainder and advanced one step at a time (|minorDelta| <= major, so a step carries at most one). A
    // division per step cost more than setting the pixels.
    const int minorStep = minorDelta < 0 ? -1 : 1;
    const int slope = std::abs(minorDelta);
    int offset = 0;
    int remainder = major / 2;
    int runStart = majorStart;
    int runMinor = minorStart;
    for (int i = 1; i < major; ++i) {
        remainder += slope;
        if (remainder >= major) {
            remainder -= major;
            ++offset;
        }
        const int minor = minorStart + minorStep * offset;
        if (minor != runMinor) {
            addRun(runStart, majorStart + majorStep * (i - 1), runMinor);
            runStart = majorStart + majorStep * i;
            runMinor = minor;
        }
    }
    if (major > 0) {
        addRun(runStart, majorStart + majorStep * (major - 1), runMinor);
    }
}

} // namespace plenta
