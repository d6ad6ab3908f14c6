// SPDX-License-Identifier: GPL-3.0-or-later
// A day-mark check button of the toolbar. Switched off it is a flat image like its neighbours; switched on it
// is drawn pressed into a navy ground with a black frame, so that the pending marks show at a glance at 1x.
// What a tap does is the toolbar's and the dispatcher's business.
#pragma once

#include "ui/ToolbarImageButton.h"

#include <QColor>

namespace plenta {

// The toolbar palette's navy and black, the colours of the images' own outlines.
inline constexpr QColor MARK_ON_GROUND{0x00, 0x00, 0x80};
inline constexpr QColor MARK_ON_FRAME{0x00, 0x00, 0x00};

class MarkButton : public ToolbarImageButton {
    Q_OBJECT

public:
    explicit MarkButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace plenta
