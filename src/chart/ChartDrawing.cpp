// Drawing primitives calibrated to the handheld's pixel rules; see ChartDrawing.h.
#include "ChartDrawing.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace plenta {

namespace {

// a / b rounded to the nearest integer, halves away from zero; b > 0.
int RoundedQuotient(int a, int b) {
    return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b);
}

} // namespace

QPen ThinPen(QRgb colour) {
    // With square caps an aliased one-pixel line covers both of its ends whatever its direction; flat caps
    // would leave out the lower or right end instead of the last one.
    return QPen{QColor(colour), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin};
}

std::optional<QLine> ShortenedLine(QLine line) {
    const int dx = line.dx();
    const int dy = line.dy();
    if (dx == 0 && dy == 0) {
        return std::nullopt;
    }
    // Step back one pixel along the major axis and take the minor coordinate from the ideal line there.
    const int major = std::max(std::abs(dx), std::abs(dy));
    const QPoint last(line.x1() + RoundedQuotient(dx * (major - 1), major),
                      line.y1() + RoundedQuotient(dy * (major - 1), major));
    return QLine(line.p1(), last);
}

void DrawLine(QPainter &painter, QLine line, QRgb colour) {
    LineBatch<1> batch;
    batch.add(line);
    batch.draw(painter, colour);
}

void FillBox(QPainter &painter, int left, int top, int right, int bottom, QRgb colour) {
    if (right <= left || bottom <= top) {
        return;
    }
    painter.fillRect(QRect(left, top, right - left, bottom - top), QColor(colour));
}

void DrawVerticalStroke(QPainter &painter, int x, int y0, int y1, int width, QRgb colour) {
    const int first = x - width / 2;
    FillBox(painter, first, y0, first + width, y1, colour);
}

void DrawMarker(QPainter &painter, QPoint centre) {
    // An aliased ellipse outlined by a one-pixel pen covers its 6 x 6 rectangle plus one pixel right and
    // below.
    painter.drawEllipse(QRect(centre - QPoint(3, 3), QSize(6, 6)));
}

void DrawBatch(QPainter &painter, QRgb colour, const QLine *lines, std::size_t lineCount, const QRect *boxes,
               std::size_t boxCount) {
    const QColor fill(colour);
    for (std::size_t i = 0; i < boxCount; ++i) {
        painter.fillRect(boxes[i], fill);
    }
    if (lineCount > 0) {
        painter.setPen(ThinPen(colour));
        painter.drawLines(lines, static_cast<int>(lineCount));
    }
}

} // namespace plenta
