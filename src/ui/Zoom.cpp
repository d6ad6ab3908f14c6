// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom in force and the zoom a screen suggests.
#include "ui/Zoom.h"

#include "chart/ChartLayout.h"

#include <algorithm>

namespace plenta {

namespace {

int &ZoomInForce() {
    static int zoom = MIN_ZOOM;
    return zoom;
}

} // namespace

int CurrentZoom() {
    return ZoomInForce();
}

void SetCurrentZoom(int zoom) {
    ZoomInForce() = ClampZoom(zoom);
}

int ClampZoom(int zoom) {
    return std::clamp(zoom, MIN_ZOOM, MAX_ZOOM);
}

int ZoomForScreen(int availableHeight) {
    const long long allowed = static_cast<long long>(availableHeight) * ZOOM_SCREEN_PERCENT / 100;
    return ClampZoom(static_cast<int>(std::clamp<long long>(allowed / WINDOW_HEIGHT, MIN_ZOOM, MAX_ZOOM)));
}

} // namespace plenta
