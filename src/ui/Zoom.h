// SPDX-License-Identifier: GPL-3.0-or-later
// The window's zoom: how many screen pixels across and down each pixel of the handheld's 240 x 294 layout
// takes. The form, the toolbar and the boxes read the zoom in force; at zoom 1 they are exactly the
// handheld's.
#pragma once

#include "ui/ZoomLimits.h"

#include <QRect>

namespace plenta {

// The zoom in force for the program's widgets; 1 until the window is zoomed.
int CurrentZoom();
// Sets the zoom in force, kept within MIN_ZOOM..MAX_ZOOM.
void SetCurrentZoom(int zoom);

int ClampZoom(int zoom);

// The largest zoom whose window height (294 x zoom) fits in 60% of the available height; at least 1.
int ZoomForScreen(int availableHeight);

// Pixels of the handheld's layout in screen pixels at `zoom`.
inline QRect Zoomed(const QRect &rect, int zoom) {
    return QRect(rect.x() * zoom, rect.y() * zoom, rect.width() * zoom, rect.height() * zoom);
}

} // namespace plenta
