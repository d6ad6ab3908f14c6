// SPDX-License-Identifier: GPL-3.0-or-later
// The one wording of why a journal command failed: the file and the cause, for the line after the window's
// message or after "cannot open the journal:".
#pragma once

#include "ExitCode.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace plenta {

// `file` and `reason` are what the journal library reported (the file it was working on, and a phrase that
// follows the file's name). A journal whose folder does not exist is named by its folder, not by the lock
// file that could not be made there; a missing journal as missing, also when the library gave no reason.
std::string FailureCause(const std::filesystem::path &journal, const std::filesystem::path &file,
                         std::string_view reason);

// "plenta-journal: cannot open the journal: <cause>" on stderr, for the commands that read the journal.
ExitCode CannotOpenJournal(const std::filesystem::path &journal, const std::filesystem::path &file,
                           std::string_view reason);

// "plenta-journal: cannot rewrite the journal: <cause>" on stderr, for the commands that change the journal.
ExitCode CannotRewrite(const std::filesystem::path &journal, const std::filesystem::path &file,
                       std::string_view reason);

} // namespace plenta
