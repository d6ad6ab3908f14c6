// SPDX-License-Identifier: GPL-3.0-or-later
// The import command: another app's export, or Plenta's own, brought into the journal with the merge's
// summary.
#pragma once

#include "ExitCode.h"

#include "journal/JournalImport.h"

#include <filesystem>

namespace plenta {

struct ImportRequest {
    std::filesystem::path journal;
    std::filesystem::path file;
    ImportOptions options;
    MergePreference preference = MergePreference::Journal;
    std::filesystem::path history;
};

// Imports the file, prints each conflict, each row not imported or changed (with its reason) and a summary.
// A file that is no such export leaves the journal untouched and ends with ExitCode::Failure.
ExitCode RunImport(const ImportRequest &request);

} // namespace plenta
