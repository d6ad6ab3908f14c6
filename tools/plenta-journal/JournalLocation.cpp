// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the window program's journal from the tool's own place on disk.
#include "JournalLocation.h"

#include "journal/JournalPaths.h"
#include "platform/DeviceRoot.h"

namespace plenta {
namespace {

// The window program's journal and picture are named after its executable, so the tool resolves them as if it
// were the "plenta" executable in its own folder.
std::filesystem::path PlentaModulePath() {
    return ModulePath().parent_path() / "plenta";
}

} // namespace

JournalLocation LocateJournal(const std::optional<std::filesystem::path> &explicitJournal) {
    if (explicitJournal) {
        // The window's picture is still the one the device root holds, if any; the root's folder is not
        // created for it.
        const ResolvedPaths paths = ResolvePaths(std::nullopt, PlentaModulePath(), DeviceRootPath());
        return {*explicitJournal, FindPicture(paths.pictureCandidates), paths.historyPath};
    }
    const std::filesystem::path root = DeviceRoot();
    const ResolvedPaths paths = ResolvePaths(ReadFileSyncPath(root), PlentaModulePath(), root);
    return {paths.journalPath, FindPicture(paths.pictureCandidates), paths.historyPath};
}

} // namespace plenta
