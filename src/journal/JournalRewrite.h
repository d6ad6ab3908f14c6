// The crash-safe replacement of the journal that every command changing it goes through.
#pragma once

#include "JournalEdit.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace plenta {

enum class JournalState { Missing, Existing };

// What a rewrite does when there is no journal yet.
enum class MissingJournal { Create, Refuse };

enum class RewriteStatus {
    Written,
    Missing, // no journal and MissingJournal::Refuse: nothing was written     // the new content has replaced
             // the journal (or created it)
    Unreadable,  // the journal exists but cannot be read, is no regular file, or its lock was not had in time
    WriteFailed, // the new content could not be stored; the journal is exactly as it was
};

// Builds the new content from the old one; `old` is empty for a missing journal.
using JournalTransform = std::function<void(std::string_view old, JournalState state, std::string &out)>;

// Under the journal's exclusive lock: reads the journal whole, lets `transform` build the new content, writes
// it to ".<journal name>.tmp" in the journal's own folder (at a symlink's target) with the journal's
// permission bits, checks every write, syncs it, renames it over the journal and syncs the folder. On any
// failure the temporary file is removed and the journal left untouched. A temporary file left by a crash is
// replaced.
RewriteStatus RewriteJournal(const std::filesystem::path &journal, MissingJournal missing,
                             Durability durability, const JournalTransform &transform);

// Where the rewrite of `journal` puts its temporary file.
std::filesystem::path TemporaryPathOf(const std::filesystem::path &journal);

} // namespace plenta
