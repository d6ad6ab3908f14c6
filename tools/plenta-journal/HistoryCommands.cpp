// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the journal library's history, undo and restore into lines a person can read and a script can parse.
#include "HistoryCommands.h"

#include "FailureCause.h"
#include "ShownText.h"

#include "journal/CodePage.h"
#include "journal/JournalExport.h"
#include "journal/JournalRecord.h"
#include "journal/JournalUndo.h"
#include "journal/MissingRecords.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <set>

namespace plenta {
namespace {

std::string DateList(const std::vector<Date> &dates) {
    std::string text;
    for (const Date date : dates) {
        text += (text.empty() ? "" : ", ") + IsoDate(date);
    }
    return text;
}

std::string DateList(const std::vector<DateChange> &changes) {
    std::vector<Date> dates;
    for (const DateChange &change : changes) {
        dates.push_back(change.date);
    }
    return DateList(dates);
}

ExitCode HistoryUnreadable(const ChangeRecording &recording) {
    return Fail(ExitCode::Failure, "cannot read the history: " + ShownText(recording.problem));
}

std::string JsonText(const nlohmann::ordered_json &json) {
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace

ExitCode AfterRecording(const ChangeRecording &recording, ExitCode done) {
    if (recording.status != RecordStatus::Failed) {
        return done;
    }
    return Fail(ExitCode::Unrecorded,
                "warning: the journal was changed, but the history could not be written (" +
                    ShownText(recording.problem) + "), so this change cannot be undone");
}

ExitCode RunUndo(const HistoryPlace &place) {
    ChangeRecording recording{place.history};
    const UndoResult result = UndoLatestChange(place.journal, recording);
    switch (result.status) {
    case UndoStatus::Undone:
        std::cout << "undone: " << result.command << " #" << result.undoneId << " of " << result.time
                  << "; restored " << DateList(result.dates) << '\n';
        return AfterRecording(recording, ExitCode::Success);
    case UndoStatus::NothingToUndo:
        return Fail(ExitCode::Failure, "nothing to undo: the history holds no change of this journal that is "
                                       "not undone");
    case UndoStatus::ChangedSince:
        return Fail(ExitCode::Failure, "cannot undo " + result.command + " #" +
                                           std::to_string(result.undoneId) + ": " + DateList(result.dates) +
                                           " changed since by another program or device; the journal is "
                                           "unchanged");
    case UndoStatus::HistoryUnreadable:
        return HistoryUnreadable(recording);
    case UndoStatus::AccessError:
        break;
    }
    return Fail(ExitCode::Failure,
                "cannot rewrite the journal: " +
                    FailureCause(place.journal, result.failure.file, result.failure.reason));
}

ExitCode RunHistory(const HistoryPlace &place, HistoryFormat format, std::optional<std::size_t> limit) {
    ChangeRecording recording{place.history};
    const std::optional<std::vector<HistoryEntry>> history = ReadHistory(place.history, &recording.problem);
    if (!history) {
        return HistoryUnreadable(recording);
    }
    const std::string journalName = HistoryJournalName(place.journal);
    std::set<std::int64_t> undone;
    std::vector<const HistoryEntry *> shown;
    for (auto entry = history->rbegin(); entry != history->rend(); ++entry) {
        if (entry->journal == journalName) {
            undone.insert(entry->undoes);
            if (!limit || shown.size() < *limit) {
                shown.push_back(&*entry);
            }
        }
    }
    if (format == HistoryFormat::Json) {
        nlohmann::ordered_json json = nlohmann::ordered_json::array();
        for (const HistoryEntry *entry : shown) {
            nlohmann::ordered_json each = nlohmann::ordered_json::parse(HistoryLineOf(*entry));
            each["undone"] = undone.contains(entry->id);
            json.push_back(std::move(each));
        }
        std::cout << JsonText(json) << '\n';
        return ExitCode::Success;
    }
    if (shown.empty()) {
        std::cout << "no changes of " << ShownText(place.journal.string()) << " in the history\n";
    }
    for (const HistoryEntry *entry : shown) {
        std::cout << '#' << entry->id << ' ' << entry->time << ' ' << ShownText(entry->command) << ' '
                  << DateList(entry->dates);
        if (entry->undoes != 0) {
            std::cout << " (undoes #" << entry->undoes << ')';
        } else if (undone.contains(entry->id)) {
            std::cout << " (undone)";
        }
        std::cout << '\n';
    }
    return ExitCode::Success;
}

ExitCode RunMissing(const HistoryPlace &place, HistoryFormat format) {
    std::string problem;
    const std::optional<std::vector<MissingDate>> missing =
        FindMissingRecords(place.journal, place.history, &problem);
    if (!missing) {
        return Fail(ExitCode::Failure, "cannot compare the journal with its history: " + ShownText(problem));
    }
    if (format == HistoryFormat::Json) {
        nlohmann::ordered_json json{{"journal", place.journal.string()},
                                    {"missing", nlohmann::ordered_json::array()}};
        for (const MissingDate &date : *missing) {
            nlohmann::ordered_json records = nlohmann::ordered_json::array();
            for (const std::string &record : date.records) {
                records.push_back(Cp1252ToUtf8(StripLineEnd(record)));
            }
            json["missing"].push_back({{"date", IsoDate(date.date)},
                                       {"records", records},
                                       {"change", date.changeId},
                                       {"time", date.time},
                                       {"command", date.command}});
        }
        std::cout << JsonText(json) << '\n';
        return ExitCode::Success;
    }
    if (missing->empty()) {
        std::cout << "no records missing from " << ShownText(place.journal.string()) << '\n';
    }
    for (const MissingDate &date : *missing) {
        for (const std::string &record : date.records) {
            std::cout << "missing " << IsoDate(date.date) << ": \""
                      << ShownText(Cp1252ToUtf8(StripLineEnd(record))) << "\" (written by "
                      << ShownText(date.command) << " #" << date.changeId << " of " << date.time << ")\n";
        }
    }
    return ExitCode::Success;
}

ExitCode RunRestore(const HistoryPlace &place, std::optional<Date> date) {
    ChangeRecording recording{place.history};
    const RestoreResult result = RestoreMissingRecords(place.journal, date, recording);
    switch (result.status) {
    case RestoreStatus::Restored:
        std::cout << "restored " << DateList(result.dates) << '\n';
        return AfterRecording(recording, ExitCode::Success);
    case RestoreStatus::NothingMissing:
        if (date) {
            return Fail(ExitCode::Failure, IsoDate(*date) +
                                               " is not missing: the journal holds a record of it, or Plenta "
                                               "never wrote one; the journal is unchanged");
        }
        std::cout << "no records missing from " << ShownText(place.journal.string()) << '\n';
        return ExitCode::Success;
    case RestoreStatus::HistoryUnreadable:
        return HistoryUnreadable(recording);
    case RestoreStatus::AccessError:
        break;
    }
    return Fail(ExitCode::Failure,
                "cannot rewrite the journal: " +
                    FailureCause(place.journal, result.failure.file, result.failure.reason));
}

} // namespace plenta
