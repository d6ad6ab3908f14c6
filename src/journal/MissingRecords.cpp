// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the history to the latest version Plenta wrote of each date and compares it with the journal.
#include "journal/MissingRecords.h"

#include "journal/JournalText.h"
#include "journal/ReasonText.h"
#include "journal/RecordPlacement.h"
#include "journal/RecordedRewrite.h"

#include <map>
#include <set>

namespace plenta {
namespace {

// Each date's records as the latest change of this journal left them; a date Plenta emptied maps to no lines.
std::map<std::int32_t, MissingDate> LatestVersions(const std::vector<HistoryEntry> &history) {
    std::map<std::int32_t, MissingDate> latest;
    for (const HistoryEntry &entry : history) {
        for (const DateChange &change : entry.dates) {
            latest[KeyOfDate(change.date)] = {change.date, change.after, entry.id, entry.time, entry.command};
        }
    }
    return latest;
}

std::vector<MissingDate> MissingIn(std::string_view content, const std::vector<HistoryEntry> &history,
                                   std::optional<Date> only) {
    std::map<std::int32_t, MissingDate> latest = LatestVersions(history);
    std::set<std::int32_t> keys;
    for (const auto &[key, version] : latest) {
        if (!version.records.empty() && (!only || *only == version.date)) {
            keys.insert(key);
        }
    }
    const DatedLines present = RecordsOfDates(content, keys);
    std::vector<MissingDate> missing;
    for (const std::int32_t key : keys) {
        if (!present.contains(key)) {
            missing.push_back(std::move(latest[key]));
        }
    }
    return missing;
}

} // namespace

std::optional<std::vector<MissingDate>> FindMissingRecords(const std::filesystem::path &journal,
                                                           const std::filesystem::path &history,
                                                           std::string *problem) {
    const std::optional<std::vector<HistoryEntry>> entries = ReadJournalHistory(history, journal, problem);
    if (!entries) {
        return std::nullopt;
    }
    const std::optional<std::string> content = ReadJournalText(journal, MissingText::Empty);
    if (!content) {
        if (problem != nullptr) {
            *problem = ReasonText(
                PLENTA_TEXT(
                    "journal",
                    "%1: kann nicht gelesen werden (unlesbar oder von einem anderen Programm gesperrt)"),
                {journal.string()});
        }
        return std::nullopt;
    }
    return MissingIn(*content, *entries, std::nullopt);
}

RestoreResult RestoreMissingRecords(const std::filesystem::path &journal, std::optional<Date> date,
                                    ChangeRecording &recording, Durability durability) {
    RestoreResult result;
    const auto transform = [&](std::string_view old, std::string &out) {
        const std::optional<std::vector<HistoryEntry>> history =
            ReadJournalHistory(recording.history, journal, &recording.problem);
        if (!history) {
            result.status = RestoreStatus::HistoryUnreadable;
            throw RewriteDeclined();
        }
        const std::vector<MissingDate> missing = MissingIn(old, *history, date);
        if (missing.empty()) {
            result.status = RestoreStatus::NothingMissing;
            throw RewriteDeclined();
        }
        DatedLines lines;
        result.dates.clear();
        for (const MissingDate &each : missing) {
            lines[KeyOfDate(each.date)] = each.records;
            result.dates.push_back(each.date);
        }
        CopyWithLinesPlaced(old, lines, out);
    };
    switch (RecordedRewrite(journal, MissingJournal::Create, durability, transform, &result.failure,
                            &recording, {"restore"})) {
    case RewriteStatus::Written:
        result.status = RestoreStatus::Restored;
        break;
    case RewriteStatus::Declined:
        break;
    case RewriteStatus::Missing:
    case RewriteStatus::Unreadable:
    case RewriteStatus::WriteFailed:
        result.status = RestoreStatus::AccessError;
        break;
    }
    return result;
}

} // namespace plenta
