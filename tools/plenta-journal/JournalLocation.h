// SPDX-License-Identifier: GPL-3.0-or-later
// Which journal and picture the tool works on.
#pragma once

#include <filesystem>
#include <optional>

namespace plenta {

struct JournalLocation {
    std::filesystem::path journal;
    // The picture the window program beside this tool shows.
    std::filesystem::path picture;
};

// With an explicit journal, that file; otherwise the journal of the plenta executable that is installed
// beside this tool, found exactly as that program finds it (device root, registry file, FileSyncPath).
JournalLocation LocateJournal(const std::optional<std::filesystem::path> &explicitJournal);

} // namespace plenta
