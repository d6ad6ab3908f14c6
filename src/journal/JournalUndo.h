// SPDX-License-Identifier: GPL-3.0-or-later
// Undo of Plenta's latest change to the journal, from the local history.
#pragma once

#include "journal/ChangeHistory.h"
#include "journal/JournalRewrite.h"
#include "journal/JournalTypes.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plenta {

enum class UndoStatus {
    Undone,            // the dates hold their records from before the change again; the undo is recorded
    NothingToUndo,     // the history holds no change of this journal that is not undone
    ChangedSince,      // another program or device changed a date since: nothing was written
    HistoryUnreadable, // the history cannot be read (ChangeRecording::problem says why); nothing was written
    AccessError,       // the journal could not be rewritten; it is as it was (`failure` says why)
};

struct UndoResult {
    UndoStatus status = UndoStatus::AccessError;
    // The change reverted or refused: its command ("save", "delete", ...), id and time.
    std::string command;
    std::int64_t undoneId = 0;
    std::string time;
    // Undone: the dates given back; ChangedSince: the dates that differ from what the change left.
    std::vector<Date> dates;
    RewriteFailure failure;
};

// Reverts the latest undoable change: under the journal's lock (the normal crash-safe rewrite with its
// external-writer checks) it compares the journal's records of each touched date with the records the change
// left, and only when all are the same puts back the records from before it, byte for byte, where their
// dates belong. The undo is then recorded as command "undo" naming the change (`recording.status` says
// whether that worked; the journal's change stands either way). When a date differs, the journal is not
// touched and ChangedSince names the dates.
UndoResult UndoLatestChange(const std::filesystem::path &journal, ChangeRecording &recording,
                            Durability durability = Durability::Fsync);

} // namespace plenta
