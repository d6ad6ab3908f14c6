// SPDX-License-Identifier: GPL-3.0-or-later
// The picture strip under the day numbers: the decoded picture, or the placeholder tile with its text.
#pragma once

#include "chart/ChartLayout.h"
#include "chart/Picture.h"

class QPainter;

namespace plenta {

// Copies the picture's 240 x 90 pixels to (0, bottom + 21), or repeats the tile every 7 pixels across the
// strip and names the expected picture path over it.
void PaintPictureStrip(QPainter &painter, const ChartLayout &layout, const Picture &picture);

} // namespace plenta
