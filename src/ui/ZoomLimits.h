// SPDX-License-Identifier: GPL-3.0-or-later
// The zooms a window may have, without Qt, so that the manual page generator states the same range.
#pragma once

namespace plenta {

inline constexpr int MIN_ZOOM = 1;
inline constexpr int MAX_ZOOM = 4;
// The part of the screen's available height that the window may take when the zoom is chosen for it.
inline constexpr int ZOOM_SCREEN_PERCENT = 60;

} // namespace plenta
