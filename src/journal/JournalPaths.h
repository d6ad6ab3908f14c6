// SPDX-License-Identifier: GPL-3.0-or-later
// Where the journal and the picture lie, and the caption of the journal's messages.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace plenta {

struct ResolvedPaths {
    // The sync folder (or the device root) / base name + ".txt".
    std::filesystem::path journalPath;
    // The caption of the journal's message boxes: the executable's base name, at most 99 characters.
    std::string messageCaption;
    // Where the picture under the chart is looked for, in this order: the user's own in the device root (base
    // name + ".gif"), the executable's path with ".gif" for its extension (a build folder), and the picture
    // that comes with the program in its data folder.
    std::array<std::filesystem::path, 3> pictureCandidates;
    // The local history of Plenta's changes, in the device root beside settings.ini (HistoryPathOf).
    std::filesystem::path historyPath;
};

// The first of the candidates that exists; the user's place when none does, so that the placeholder shows
// where a picture belongs. A file that exists but does not decode is still chosen: the placeholder then tells
// that this picture is broken instead of another one standing in for it silently.
std::filesystem::path FindPicture(const std::array<std::filesystem::path, 3> &candidates);

// A device path "\A\B" as the host path <root>/A/B.
std::filesystem::path DevicePathToHost(const std::filesystem::path &root, std::string_view devicePath);

// A pure function of the "FileSyncPath" value (absent, a host path, or a device path beginning with "\"),
// the running executable's path and the device root that stands for the handheld's "\". A value of 260
// characters or more, or one holding a NUL or another control character, is ignored like a missing one.
ResolvedPaths ResolvePaths(const std::optional<std::string> &fileSyncPath,
                           const std::filesystem::path &modulePath, const std::filesystem::path &deviceRoot);

} // namespace plenta
