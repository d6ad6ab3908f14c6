// SPDX-License-Identifier: GPL-3.0-or-later
// The commands over the local history of Plenta's changes: undo, history, missing and restore, and the
// warning every changing command gives when its change could not be recorded.
#pragma once

#include "ExitCode.h"

#include "journal/ChangeHistory.h"
#include "journal/JournalTypes.h"

#include <cstddef>
#include <filesystem>
#include <optional>

namespace plenta {

enum class HistoryFormat { Text, Json };

// Where the commands find the journal and its history.
struct HistoryPlace {
    std::filesystem::path journal;
    std::filesystem::path history;
};

// `done` when the change was recorded (or there was nothing to record); otherwise a warning on stderr that
// the journal was changed but cannot be undone, and ExitCode::Unrecorded.
ExitCode AfterRecording(const ChangeRecording &recording, ExitCode done);

// Reverts the latest change of the journal that is not undone, or says why not.
ExitCode RunUndo(const HistoryPlace &place);

// Lists the journal's changes, newest first, at most `limit` of them.
ExitCode RunHistory(const HistoryPlace &place, HistoryFormat format, std::optional<std::size_t> limit);

// Lists the records Plenta wrote that the journal no longer holds.
ExitCode RunMissing(const HistoryPlace &place, HistoryFormat format);

// Brings back the missing records of `date`, or all of them.
ExitCode RunRestore(const HistoryPlace &place, std::optional<Date> date);

} // namespace plenta
