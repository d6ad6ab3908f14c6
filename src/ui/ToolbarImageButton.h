// SPDX-License-Identifier: GPL-3.0-or-later
// An image button of the toolbar. Tab gives it the keyboard focus, a tap never does, so that a tap leaves the
// focus in the form where the typing goes. With the focus it shows a dotted black-and-white frame inside its
// bevel, one pixel of the handheld's layout wide, so that the frame stands out on every image and at every
// zoom. What a tap does is the toolbar's business.
#pragma once

#include <QToolButton>

class QPainter;

namespace plenta {

class ToolbarImageButton : public QToolButton {
    Q_OBJECT

public:
    explicit ToolbarImageButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Draws the focus frame when the button has the focus; for buttons that paint themselves.
    void PaintFocusFrame(QPainter &painter) const;
};

} // namespace plenta
