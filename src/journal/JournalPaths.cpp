// SPDX-License-Identifier: GPL-3.0-or-later
// Paths from the registry value, the executable's path and the device root; no file is touched here.
#include "journal/JournalPaths.h"

#include "journal/ChangeHistory.h"

#include "journal/CodePage.h"

namespace plenta {

namespace {

// The handheld read the value into 260 wide characters with the string end; a longer value is none at all.
constexpr std::size_t MAX_SYNC_PATH_CHARS = 259;
constexpr std::size_t MAX_TITLE_CHARS = 99;

// A NUL would cut the path short where the system reads it (so any file could become the journal, and its
// temporary path the journal itself); no folder name holds control characters either.
bool HasControlCharacter(std::string_view value) {
    for (const char c : value) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') {
            return true;
        }
    }
    return false;
}

} // namespace

std::filesystem::path DevicePathToHost(const std::filesystem::path &root, std::string_view devicePath) {
    std::filesystem::path host = root;
    while (!devicePath.empty()) {
        const std::size_t cut = devicePath.find('\\');
        const std::string_view part = devicePath.substr(0, cut);
        if (!part.empty()) {
            host /= std::filesystem::path(std::string(part));
        }
        if (cut == std::string_view::npos) {
            break;
        }
        devicePath.remove_prefix(cut + 1);
    }
    return host;
}

ResolvedPaths ResolvePaths(const std::optional<std::string> &fileSyncPath,
                           const std::filesystem::path &modulePath, const std::filesystem::path &deviceRoot) {
    std::filesystem::path folder = deviceRoot;
    if (fileSyncPath && !fileSyncPath->empty() && Utf8Length(*fileSyncPath) <= MAX_SYNC_PATH_CHARS &&
        !HasControlCharacter(*fileSyncPath)) {
        const std::filesystem::path value(*fileSyncPath);
        // A host path stands as it is; anything else names a place on the device, whose folders hang off "\".
        folder = value.is_absolute() ? value : DevicePathToHost(deviceRoot, *fileSyncPath);
    }
    std::string base = modulePath.filename().string();
    if (const std::size_t point = base.rfind('.'); point != std::string::npos && point > 0) {
        base.erase(point);
    }
    ResolvedPaths paths;
    paths.journalPath = folder / (base + ".txt");
    paths.messageCaption = std::string(Utf8Prefix(base, MAX_TITLE_CHARS));
    paths.pictureCandidates = {
        deviceRoot / (base + ".gif"), modulePath.parent_path() / (base + ".gif"),
        (modulePath.parent_path() / PLENTA_DATA_FOLDER / "plenta.gif").lexically_normal()};
    paths.historyPath = HistoryPathOf(deviceRoot);
    return paths;
}

std::filesystem::path FindPicture(const std::array<std::filesystem::path, 3> &candidates) {
    for (const std::filesystem::path &candidate : candidates) {
        std::error_code error;
        if (!candidate.empty() && std::filesystem::exists(candidate, error)) {
            return candidate;
        }
    }
    return candidates.front();
}

} // namespace plenta
