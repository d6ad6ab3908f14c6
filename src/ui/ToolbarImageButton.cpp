// SPDX-License-Identifier: GPL-3.0-or-later
// A toolbar image button that Tab reaches and that shows where the focus is.
#include "ui/ToolbarImageButton.h"

#include "ui/Zoom.h"

#include <QPainter>

namespace plenta {

ToolbarImageButton::ToolbarImageButton(QWidget *parent)
    : QToolButton(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void ToolbarImageButton::paintEvent(QPaintEvent *event) {
    QToolButton::paintEvent(event);
    QPainter painter(this);
    PaintFocusFrame(painter);
}

void ToolbarImageButton::PaintFocusFrame(QPainter &painter) const {
    if (!hasFocus()) {
        return;
    }
    // The ring one layout pixel inside the edge lies in the bevel, clear of the image, and alternates black
    // and white pixels, which no image or the pressed navy ground swallows.
    const int zoom = CurrentZoom();
    const int last = width() / zoom - 2;
    for (int i = 1; i <= last; ++i) {
        const QColor colour = i % 2 == 1 ? Qt::black : Qt::white;
        for (const QPoint at : {QPoint(i, 1), QPoint(i, last), QPoint(1, i), QPoint(last, i)}) {
            painter.fillRect(QRect(at * zoom, QSize(zoom, zoom)), colour);
        }
    }
}

} // namespace plenta
