// Where the journal and the picture lie, and the caption of the journal's messages.
#pragma once

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
    // The executable's path with ".gif" for its extension.
    std::filesystem::path picturePath;
};

// A device path "\A\B" as the host path <root>/A/B.
std::filesystem::path DevicePathToHost(const std::filesystem::path &root, std::string_view devicePath);

// A pure function of the "FileSyncPath" value (absent, a host path, or a device path beginning with "\"),
// the running executable's path and the device root that stands for the handheld's "\". A value of 260
// characters or more, or one holding a NUL or another control character, is ignored like a missing one.
ResolvedPaths ResolvePaths(const std::optional<std::string> &fileSyncPath,
                           const std::filesystem::path &modulePath, const std::filesystem::path &deviceRoot);

} // namespace plenta
