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
    // The local history of changes in the device root, also for an explicit journal: it records every
    // journal the tool changes on this device.
    std::filesystem::path history;
};

// With an explicit journal, that file; otherwise the journal of the plenta executable that is installed
// beside this tool, found exactly as that program finds it (device root, registry file, FileSyncPath).
JournalLocation LocateJournal(const std::optional<std::filesystem::path> &explicitJournal);

} // namespace plenta
