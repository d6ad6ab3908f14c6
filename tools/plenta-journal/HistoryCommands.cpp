// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the journal library's history, undo and restore into lines a person can read and a script can parse.
#include "HistoryCommands.h"

#include "FailureCause.h"
#include "ShownText.h"
#include "UsageChecks.h"

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
    return Fail(ExitCode::Failure, Said(PLENTA_TEXT("plenta-journal", "kann den Verlauf nicht lesen: %1"),
                                        {ShownText(recording.problem)}));
}

std::string NoneMissing(const std::filesystem::path &journal) {
    return Said(PLENTA_TEXT("plenta-journal", "keine fehlenden Einträge in %1"),
                {ShownText(journal.string())});
}

std::string JsonText(const nlohmann::ordered_json &json) {
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace

ExitCode AfterRecording(const ChangeRecording &recording, ExitCode done) {
    if (recording.status != RecordStatus::Failed) {
        return done;
    }
    return Fail(
        ExitCode::Unrecorded,
        Said(PLENTA_TEXT("plenta-journal", "Warnung: das Tagebuch wurde geändert, aber der Verlauf "
                                           "ließ sich nicht schreiben (%1); diese Änderung kann daher "
                                           "nicht rückgängig gemacht werden"),
             {ShownText(recording.problem)}));
}

ExitCode RunUndo(const HistoryPlace &place) {
    ChangeRecording recording{place.history};
    const UndoResult result = UndoLatestChange(place.journal, recording);
    switch (result.status) {
    case UndoStatus::Undone:
        std::cout
            << Said(PLENTA_TEXT("plenta-journal", "rückgängig gemacht: %1 #%2 vom %3; wiederhergestellt: %4"),
                    {result.command, std::to_string(result.undoneId), result.time, DateList(result.dates)})
            << '\n';
        return AfterRecording(recording, ExitCode::Success);
    case UndoStatus::NothingToUndo:
        return Fail(
            ExitCode::Failure,
            Said(PLENTA_TEXT("plenta-journal", "nichts rückgängig zu machen: der Verlauf enthält keine "
                                               "Änderung dieses Tagebuchs, die nicht schon rückgängig "
                                               "gemacht ist")));
    case UndoStatus::ChangedSince:
        return Fail(
            ExitCode::Failure,
            Said(PLENTA_TEXT("plenta-journal", "kann %1 #%2 nicht rückgängig machen: %3 wurde seither von "
                                               "einem anderen Programm oder Gerät geändert; das Tagebuch "
                                               "ist unverändert"),
                 {result.command, std::to_string(result.undoneId), DateList(result.dates)}));
    case UndoStatus::HistoryUnreadable:
        return HistoryUnreadable(recording);
    case UndoStatus::AccessError:
        break;
    }
    return CannotRewrite(place.journal, result.failure.file, result.failure.reason);
}

ExitCode RunHistory(const HistoryPlace &place, HistoryFormat format, std::optional<std::size_t> limit) {
    ChangeRecording recording{place.history};
    const std::optional<std::vector<HistoryEntry>> history =
        ReadJournalHistory(place.history, place.journal, &recording.problem);
    if (!history) {
        return HistoryUnreadable(recording);
    }
    std::set<std::int64_t> undone;
    std::vector<const HistoryEntry *> shown;
    for (auto entry = history->rbegin(); entry != history->rend(); ++entry) {
        undone.insert(entry->undoes);
        if (!limit || shown.size() < *limit) {
            shown.push_back(&*entry);
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
        std::cout << Said(PLENTA_TEXT("plenta-journal", "keine Änderungen von %1 im Verlauf"),
                          {ShownText(place.journal.string())})
                  << '\n';
    }
    for (const HistoryEntry *entry : shown) {
        std::cout << '#' << entry->id << ' ' << entry->time << ' ' << ShownText(entry->command) << ' '
                  << DateList(entry->dates);
        if (entry->undoes != 0) {
            std::cout << Said(PLENTA_TEXT("plenta-journal", " (macht #%1 rückgängig)"),
                              {std::to_string(entry->undoes)});
        } else if (undone.contains(entry->id)) {
            std::cout << Said(PLENTA_TEXT("plenta-journal", " (rückgängig gemacht)"));
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
        return Fail(
            ExitCode::Failure,
            Said(PLENTA_TEXT("plenta-journal", "kann das Tagebuch nicht mit seinem Verlauf vergleichen: %1"),
                 {ShownText(problem)}));
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
        std::cout << NoneMissing(place.journal) << '\n';
    }
    for (const MissingDate &date : *missing) {
        for (const std::string &record : date.records) {
            std::cout << Said(PLENTA_TEXT("plenta-journal",
                                          "fehlt %1: \"%2\" (geschrieben von %3 #%4 vom %5)"),
                              {IsoDate(date.date), ShownText(Cp1252ToUtf8(StripLineEnd(record))),
                               ShownText(date.command), std::to_string(date.changeId), date.time})
                      << '\n';
        }
    }
    return ExitCode::Success;
}

ExitCode RunRestore(const HistoryPlace &place, std::optional<Date> date) {
    ChangeRecording recording{place.history};
    const RestoreResult result = RestoreMissingRecords(place.journal, date, recording);
    switch (result.status) {
    case RestoreStatus::Restored:
        std::cout << Said(PLENTA_TEXT("plenta-journal", "wiederhergestellt: %1"), {DateList(result.dates)})
                  << '\n';
        return AfterRecording(recording, ExitCode::Success);
    case RestoreStatus::NothingMissing:
        if (date) {
            return Fail(
                ExitCode::Failure,
                Said(PLENTA_TEXT("plenta-journal", "%1 fehlt nicht: das Tagebuch enthält einen Eintrag "
                                                   "dafür, oder Plenta hat nie einen geschrieben; das "
                                                   "Tagebuch ist unverändert"),
                     {IsoDate(*date)}));
        }
        std::cout << NoneMissing(place.journal) << '\n';
        return ExitCode::Success;
    case RestoreStatus::HistoryUnreadable:
        return HistoryUnreadable(recording);
    case RestoreStatus::AccessError:
        break;
    }
    return CannotRewrite(place.journal, result.failure.file, result.failure.reason);
}

} // namespace plenta
