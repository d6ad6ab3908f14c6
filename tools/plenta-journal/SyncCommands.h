// SPDX-License-Identifier: GPL-3.0-or-later
// The commands for a journal kept in a synced folder: list the conflict copies a sync service left beside it,
// and merge other journal files into it.
#pragma once

#include "ExitCode.h"

#include "journal/JournalMerge.h"

#include <filesystem>
#include <vector>

namespace plenta {

enum class OutputFormat { Text, Json };

// Lists the conflict copies beside the journal, each with how many of its records the journal lacks and how
// many differ. Exit 0 also when there are none.
ExitCode RunConflicts(const std::filesystem::path &journal, OutputFormat format);

struct MergeRequest {
    std::filesystem::path journal;
    std::vector<std::filesystem::path> files;
    MergePreference preference = MergePreference::Journal;
    MergedFiles merged = MergedFiles::Keep;
    std::filesystem::path history;
};

// Merges the files into the journal, lists each conflict and each line not merged, and ends with a summary.
ExitCode RunMerge(const MergeRequest &request);

} // namespace plenta
