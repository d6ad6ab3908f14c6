// SPDX-License-Identifier: GPL-3.0-or-later
// The remembered zoom of the window: a line "Zoom=N" in settings.ini in the device root, beside registry.ini.
#pragma once

#include <filesystem>
#include <optional>

namespace plenta {

inline constexpr char SETTINGS_FILE_NAME[] = "settings.ini";

// The zoom stored in <root>/settings.ini; nothing when the file is missing, is no regular file, or holds no
// "Zoom=" line with a whole number from minZoom to maxZoom. Reads at most the first few hundred bytes.
std::optional<int> ReadZoomSetting(const std::filesystem::path &root, int minZoom, int maxZoom);

// Stores the zoom, replacing the file by a rename so that a crash leaves the old or the new one. A path
// taken by something other than a regular file is left alone. False when the zoom could not be stored.
bool WriteZoomSetting(const std::filesystem::path &root, int zoom);

} // namespace plenta
