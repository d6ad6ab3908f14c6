// SPDX-License-Identifier: GPL-3.0-or-later
// A day-mark check button that looks pressed while switched on.
#include "ui/MarkButton.h"

#include <QPainter>

namespace plenta {

MarkButton::MarkButton(QWidget *parent)
    : ToolbarImageButton(parent) {
    setCheckable(true);
}

void MarkButton::paintEvent(QPaintEvent *event) {
    if (!isChecked()) {
        ToolbarImageButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), MARK_ON_GROUND);
    painter.setPen(MARK_ON_FRAME);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The image sits one pixel lower and further right, as on a button held down.
    const QSize size = iconSize();
    const QPoint at((width() - size.width()) / 2 + 1, (height() - size.height()) / 2 + 1);
    painter.drawPixmap(
        at, icon().pixmap(size, devicePixelRatioF(), isEnabled() ? QIcon::Normal : QIcon::Disabled));
    PaintFocusFrame(painter);
}

} // namespace plenta
