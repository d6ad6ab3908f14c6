// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's rewrite with the change it made appended to the local history: the one path by which save,
// delete, merge, import, undo and restore all record what they did.
#pragma once

#include "journal/ChangeHistory.h"
#include "journal/JournalRewrite.h"
#include "journal/RecordPlacement.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace plenta {

// The records of the dates with the given keys in `content`, each line with its line end; a last line without
// one gets it as a rewrite carries it over. The first line is the header and never a record.
DatedLines RecordsOfDates(std::string_view content, const std::set<std::int32_t> &keys);

// year * 10000 + month * 100 + day, the key DateKey reads from a record of the date.
std::int32_t KeyOfDate(Date date);

// The dates whose records differ between two versions of the journal, in date order.
std::vector<DateChange> ChangedDates(std::string_view old, std::string_view now);

// What a recorded change is called in the history. Read when the journal is published, so a transform may
// still fill in `undoes`.
struct ChangeName {
    std::string_view command;
    std::int64_t undoes = 0;
};

// RewriteJournal, and once the journal is published (still under its lock, so entries follow the journal's
// changes in order) the dates the last run of `transform` changed are appended to `recording->history`. An
// entry is never written for a journal that was not: the crash between the journal's rename and the append
// leaves the journal changed and the history without it, never the other way round. A failed append leaves
// the journal's change standing and says so in `recording`. Without `recording` (or with no history path)
// this is RewriteJournal.
RewriteStatus RecordedRewrite(const std::filesystem::path &journal, MissingJournal missing,
                              Durability durability, const JournalTransform &transform,
                              RewriteFailure *failure, ChangeRecording *recording, const ChangeName &name);

} // namespace plenta
