// SPDX-License-Identifier: GPL-3.0-or-later
// Removes a merged conflict copy only while it is still the file the merge read, so that a newer version a
// sync client put in its place meanwhile is never lost.
#pragma once

#include "journal/JournalText.h"

#include <filesystem>
#include <optional>
#include <string>

namespace plenta {

// Why a copy was kept: nothing when it was removed, else the reason in words (and where it now lies, when a
// newer file took its name meanwhile).
using KeptReason = std::optional<std::string>;

// Removes `copy` if it is still the file `seen` describes: it is first renamed to a hidden name beside it, so
// that nothing can take its place unseen, then opened under a read lease (no program has it open for writing,
// and one that tries waits) and its identity, size, modification time and lines compared with `seen`. A file
// that differs goes back to its name, or beside the journal under a set-aside copy name when a newer file
// took the name meanwhile.
KeptReason RemoveIfUnchanged(const std::filesystem::path &copy, const FileSeen &seen,
                             const std::filesystem::path &journal);

} // namespace plenta
