// SPDX-License-Identifier: GPL-3.0-or-later
// Undo as one more recorded rewrite: the history is read again under the journal's lock, so two undos at
// once never revert one change twice, and the check against the journal sees the bytes that are replaced.
#include "journal/JournalUndo.h"

#include "journal/ReasonText.h"
#include "journal/RecordPlacement.h"
#include "journal/RecordedRewrite.h"

#include <set>

namespace plenta {
namespace {

// The latest change in one journal's `history` that is neither an undo nor undone already; nothing when there
// is none. Undo entries count only by naming what they reverted, so undoing repeatedly walks back change by
// change.
std::optional<HistoryEntry> LatestUndoable(const std::vector<HistoryEntry> &history) {
    std::set<std::int64_t> undone;
    for (auto entry = history.rbegin(); entry != history.rend(); ++entry) {
        if (entry->undoes != 0) {
            undone.insert(entry->undoes);
        } else if (!undone.contains(entry->id)) {
            return *entry;
        }
    }
    return std::nullopt;
}

} // namespace

UndoResult UndoLatestChange(const std::filesystem::path &journal, ChangeRecording &recording,
                            Durability durability) {
    UndoResult result;
    ChangeName name{"undo", 0};
    const auto transform = [&](std::string_view old, std::string &out) {
        const std::optional<std::vector<HistoryEntry>> history =
            ReadJournalHistory(recording.history, journal, &recording.problem);
        if (!history) {
            result.status = UndoStatus::HistoryUnreadable;
            throw RewriteDeclined();
        }
        const std::optional<HistoryEntry> target = LatestUndoable(*history);
        if (!target) {
            result.status = UndoStatus::NothingToUndo;
            throw RewriteDeclined();
        }
        result.command = target->command;
        result.undoneId = target->id;
        result.time = target->time;
        result.dates.clear();
        std::set<std::int32_t> keys;
        for (const DateChange &change : target->dates) {
            keys.insert(KeyOfDate(change.date));
        }
        DatedLines now = RecordsOfDates(old, keys);
        DatedLines before;
        for (const DateChange &change : target->dates) {
            const std::int32_t key = KeyOfDate(change.date);
            if (now[key] != change.after) {
                result.dates.push_back(change.date);
            }
            before[key] = change.before;
        }
        if (!result.dates.empty()) {
            result.status = UndoStatus::ChangedSince;
            throw RewriteDeclined();
        }
        for (const DateChange &change : target->dates) {
            result.dates.push_back(change.date);
        }
        name.undoes = target->id;
        CopyWithLinesPlaced(old, before, out);
    };
    switch (RecordedRewrite(journal, MissingJournal::Refuse, durability, transform, &result.failure,
                            &recording, name)) {
    case RewriteStatus::Written:
        result.status = UndoStatus::Undone;
        break;
    case RewriteStatus::Declined:
        break;
    case RewriteStatus::Missing:
        result.failure = {
            journal,
            ReasonText(PLENTA_TEXT("journal", "existiert nicht; darin gibt es nichts rückgängig zu machen"))};
        result.status = UndoStatus::AccessError;
        break;
    case RewriteStatus::Unreadable:
    case RewriteStatus::WriteFailed:
        result.status = UndoStatus::AccessError;
        break;
    }
    return result;
}

} // namespace plenta
