// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that read or rewrite the journal and print text: stats, show, save and delete. None of them
// needs a display or a Qt application object.
#pragma once

#include "ExitCode.h"

#include "journal/JournalEdit.h"
#include "journal/JournalTypes.h"

#include <filesystem>

namespace plenta {

// Prints the statistics text of a scan picked at today, as the statistics box shows it.
ExitCode RunStats(const std::filesystem::path &journal, Date today);

// Prints the scan's results for the picked date as one JSON object.
ExitCode RunShow(const std::filesystem::path &journal, Date picked, Date today);

// Stores the entry as the form's save does, records it in `history` and prints the program's message.
ExitCode RunSave(const std::filesystem::path &journal, const std::filesystem::path &history,
                 const EntryValues &entry);

// Removes every record of the date as the form's delete does, records it and prints the program's message.
ExitCode RunDelete(const std::filesystem::path &journal, const std::filesystem::path &history, Date date);

} // namespace plenta
