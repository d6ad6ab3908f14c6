// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing primitives calibrated to the handheld's pixel rules; see ChartDrawing.h.
#include "chart/ChartDrawing.h"

#include <QImage>
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
    batch.Add(line);
    batch.Draw(painter, colour);
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
    if (lineCount == 0) {
        return;
    }
    // Qt's own stroke of a slanted line strays up to a pixel from the straight line, and leaving out its
    // last pixel would need a shortened line of another slope. So the pixels are laid out here, set in a
    // transparent layer over the lines' extent (no larger than what the painter can show), and the layer is
    // drawn in one call: far faster than handing Qt thousands of little runs.
    QRect area(lines[0].p1(), lines[0].p1());
    for (std::size_t i = 0; i < lineCount; ++i) {
        area |= QRect(lines[i].p1(), lines[i].p1()) | QRect(lines[i].p2(), lines[i].p2());
    }
    if (const QPaintDevice *device = painter.device()) {
        area &= painter.transform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
    }
    if (area.isEmpty()) {
        return;
    }
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    const QRgb opaque = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    // The layer's pixels are addressed directly: asking the image for each row checks whether it must be
    // copied, a call per row of every run, which cost more than setting the pixels.
    auto *const pixels = reinterpret_cast<QRgb *>(layer.bits());
    const qsizetype stride = layer.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const int areaRight = area.right();
    const int areaBottom = area.bottom();
    for (std::size_t i = 0; i < lineCount; ++i) {
        ForEachLineRun(lines[i], [&](QRect run) {
            const int left = std::max(run.left(), area.left());
            const int right = std::min(run.right(), areaRight);
            const int top = std::max(run.top(), area.top());
            const int bottom = std::min(run.bottom(), areaBottom);
            for (int y = top; y <= bottom && left <= right; ++y) {
                QRgb *const row = pixels + (y - area.top()) * stride;
                std::fill(row + (left - area.left()), row + (right - area.left() + 1), opaque);
            }
        });
    }
    painter.drawImage(area.topLeft(), layer);
}

} // namespace plenta
