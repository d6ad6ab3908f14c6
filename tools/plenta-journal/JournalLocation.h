// Which journal and picture the tool works on, and which day it takes for today.
#pragma once

#include <JournalTypes.h>

#include <filesystem>
#include <optional>

namespace plenta {

struct JournalLocation {
    std::filesystem::path journal;
    std::filesystem::path picture; // the picture the window program beside this tool shows
};

// With an explicit journal, that file; otherwise the journal of the plenta executable that is installed
// beside this tool, found exactly as that program finds it (device root, registry file, FileSyncPath).
JournalLocation LocateJournal(const std::optional<std::filesystem::path> &explicitJournal);

// The local calendar date, the same clock the date picker starts from.
Date LocalToday();

} // namespace plenta
