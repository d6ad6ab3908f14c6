// Drawing primitives calibrated to the handheld's pixel rules; see ChartDrawing.h.
#include "ChartDrawing.h"

#include <QPainter>

namespace plenta {

QPen ThinPen(QRgb colour) {
    // An aliased one-pixel pen with flat caps stops short of the end point, as the handheld's lines do.
    QPen pen{QColor(colour), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin};
    return pen;
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

void DrawLines(QPainter &painter, const QLine *lines, std::size_t count) {
    if (count > 0) {
        painter.drawLines(lines, static_cast<int>(count));
    }
}

} // namespace plenta
