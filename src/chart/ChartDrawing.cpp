// Drawing primitives calibrated to the handheld's pixel rules; see ChartDrawing.h.
#include "ChartDrawing.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace plenta {

QPen ThinPen(QRgb colour) {
    // Lines never go through a pen (they are filled as runs); the pen outlines markers and colours text.
    return QPen{QColor(colour), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin};
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
    // Qt's own stroke cannot leave out a line's last pixel without shortening the line, which would change
    // its slope; the runs are filled instead.
    for (std::size_t i = 0; i < lineCount; ++i) {
        ForEachLineRun(lines[i], [&](QRect run) { painter.fillRect(run, fill); });
    }
}

} // namespace plenta
