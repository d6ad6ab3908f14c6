// SPDX-License-Identifier: GPL-3.0-or-later
// The picture strip; see ChartStrip.h.
#include "chart/ChartStrip.h"

#include "chart/ChartColours.h"
#include "chart/ChartDrawing.h"
#include "chart/ChartText.h"

#include <QPainter>

namespace plenta {

namespace {
constexpr int STRIP_BELOW_BOTTOM = 21;
} // namespace

void PaintPictureStrip(QPainter &painter, const ChartLayout &layout, const Picture &picture) {
    const int stripTop = layout.bottom + STRIP_BELOW_BOTTOM;
    if (picture.decoded) {
        painter.drawImage(QPoint(0, stripTop), picture.surface,
                          QRect(0, 0, PICTURE_STRIP_WIDTH, PICTURE_STRIP_HEIGHT));
        return;
    }
    // 35 copies; the last one, at x = 238, is cut off by the window's edge.
    for (int x = 0; x < PICTURE_STRIP_WIDTH; x += PICTURE_TILE_WIDTH) {
        painter.drawImage(QPoint(x, stripTop), picture.surface,
                          QRect(0, 0, PICTURE_TILE_WIDTH, PICTURE_STRIP_HEIGHT));
    }
    painter.setPen(ThinPen(chart_colour::INK));
    DrawPlaceholderText(painter, layout, picture.path);
}

} // namespace plenta
