// SPDX-License-Identifier: GPL-3.0-or-later
// Records Plenta wrote that vanished from the journal (a sync client or another program dropped them), found
// from the local history, and their restoring.
#pragma once

#include "journal/ChangeHistory.h"
#include "journal/JournalRewrite.h"
#include "journal/JournalTypes.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plenta {

// A date whose latest records by Plenta's history are not in the journal, which holds no record of that
// date at all. A date the journal holds another record of is not missing: another device or an editor
// changed it, and that is never overwritten.
struct MissingDate {
    Date date;
    // The records as Plenta last wrote them, lines with line end in 1252 bytes.
    std::vector<std::string> records;
    // The change that wrote them.
    std::int64_t changeId = 0;
    std::string time;
    std::string command;
};

// The missing dates in date order, comparing the history's latest version of each date with `journal`
// (read whole). A date Plenta itself emptied (delete, undo) is not missing. Nothing when the journal exists
// but cannot be read, or the history cannot be read (`problem` says which and why); a missing journal lacks
// every record.
std::optional<std::vector<MissingDate>> FindMissingRecords(const std::filesystem::path &journal,
                                                           const std::filesystem::path &history,
                                                           std::string *problem = nullptr);

enum class RestoreStatus {
    Restored,          // the dates' records are back; the restore is recorded as command "restore"
    NothingMissing,    // nothing to restore (for the one date asked: it is not missing)
    HistoryUnreadable, // the history cannot be read (ChangeRecording::problem says why)
    AccessError,       // the journal could not be rewritten; it is as it was (`failure` says why)
};

struct RestoreResult {
    RestoreStatus status = RestoreStatus::AccessError;
    std::vector<Date> dates; // restored
    RewriteFailure failure;
};

// Puts the missing records back (only `date`'s, when given) through the normal rewrite, at their dates. The
// journal is looked at again under its lock, so a date that gained a record meanwhile is left as it is.
RestoreResult RestoreMissingRecords(const std::filesystem::path &journal, std::optional<Date> date,
                                    ChangeRecording &recording, Durability durability = Durability::Fsync);

} // namespace plenta
