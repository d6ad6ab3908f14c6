// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the journal library's comparison and merge into lines a person can read and a script can parse.
#include "SyncCommands.h"
#include "FailureCause.h"
#include "HistoryCommands.h"

#include "ShownText.h"
#include "UsageChecks.h"

#include "journal/CodePage.h"
#include "journal/ConflictCopies.h"
#include "journal/JournalExport.h"
#include "journal/JournalRecord.h"
#include "journal/JournalText.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <iostream>
#include <optional>

namespace plenta {
namespace {

ExitCode CannotOpen(const std::filesystem::path &journal) {
    return CannotOpenJournal(
        journal, journal,
        Said(PLENTA_TEXT("plenta-journal",
                         "ist nicht lesbar (unlesbar oder von einem anderen Programm gesperrt)")));
}

// `one` when there is one, `many` with "%1" for the number otherwise; both German sources.
std::string Plural(int count, std::string_view one, std::string_view many) {
    return count == 1 ? std::string(Said(one)) : Said(many, {std::to_string(count)});
}

void PrintCopyText(const ConflictCopy &copy, const CopyComparison &comparison) {
    std::cout << ShownText(copy.path.string()) << " (" << SchemeName(copy.scheme) << "): ";
    if (!comparison.readable) {
        std::cout << Said(PLENTA_TEXT("plenta-journal", "nicht lesbar")) << '\n';
        return;
    }
    std::cout << Plural(comparison.counts.added,
                        PLENTA_TEXT("plenta-journal", "1 Eintrag, der dem Tagebuch fehlt"),
                        PLENTA_TEXT("plenta-journal", "%1 Einträge, die dem Tagebuch fehlen"))
              << ", "
              << Plural(comparison.counts.conflicts, PLENTA_TEXT("plenta-journal", "1 Eintrag weicht ab"),
                        PLENTA_TEXT("plenta-journal", "%1 Einträge weichen ab"));
    if (comparison.malformed > 0) {
        std::cout << ", "
                  << Plural(static_cast<int>(comparison.malformed),
                            PLENTA_TEXT("plenta-journal", "1 Zeile ist kein Eintrag"),
                            PLENTA_TEXT("plenta-journal", "%1 Zeilen sind keine Einträge"));
    }
    std::cout << '\n';
}

nlohmann::ordered_json CopyJson(const ConflictCopy &copy, const CopyComparison &comparison) {
    return {{"path", copy.path.string()},
            {"scheme", SchemeName(copy.scheme)},
            {"readable", comparison.readable},
            {"missing", comparison.counts.added},
            {"differing", comparison.counts.conflicts},
            {"same", comparison.counts.same},
            {"malformed", comparison.malformed}};
}

// The record's date as "2026-12-04", from a line that the record reader has accepted.
std::string DateOf(std::string_view record) {
    const std::optional<RecordFields> fields = ReadRecord(record);
    return fields ? IsoDate(fields->date) : std::string(record.substr(0, 10));
}

} // namespace

ExitCode RunConflicts(const std::filesystem::path &journal, OutputFormat format) {
    const std::vector<ConflictCopy> copies = FindConflictCopies(journal);
    std::vector<std::filesystem::path> paths;
    for (const ConflictCopy &copy : copies) {
        paths.push_back(copy.path);
    }
    const std::optional<std::vector<CopyComparison>> comparisons = CompareWithJournal(journal, paths);
    if (!comparisons) {
        return CannotOpen(journal);
    }
    if (format == OutputFormat::Json) {
        nlohmann::ordered_json json{{"journal", journal.string()},
                                    {"copies", nlohmann::ordered_json::array()}};
        for (std::size_t i = 0; i < copies.size(); ++i) {
            json["copies"].push_back(CopyJson(copies[i], (*comparisons)[i]));
        }
        std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
        return ExitCode::Success;
    }
    if (copies.empty()) {
        std::cout << Said(PLENTA_TEXT("plenta-journal", "keine Konfliktkopien neben %1"), {journal.string()})
                  << '\n';
    }
    for (std::size_t i = 0; i < copies.size(); ++i) {
        PrintCopyText(copies[i], (*comparisons)[i]);
    }
    return ExitCode::Success;
}

ExitCode RunMerge(const MergeRequest &request) {
    ChangeRecording recording{request.history};
    const MergeResult result = MergeIntoJournal(request.journal, request.files, request.preference,
                                                request.merged, Durability::Fsync, &recording);
    switch (result.status) {
    case MergeStatus::OtherUnreadable:
        if (result.unreadableError == EFBIG) {
            return Fail(
                ExitCode::Failure,
                Said(PLENTA_TEXT("plenta-journal", "kann '%1' nicht übernehmen: die Datei ist größer als "
                                                   "%2 MiB, mehr als ein Tagebuch fassen kann; das "
                                                   "Tagebuch ist unverändert"),
                     {ShownText(result.unreadable.string()), std::to_string(MAX_READ_BYTES >> 20)}));
        }
        return Fail(
            ExitCode::Failure,
            Said(PLENTA_TEXT("plenta-journal", "kann '%1' nicht lesen (fehlt, ist unlesbar oder keine "
                                               "gewöhnliche Datei); das Tagebuch ist unverändert"),
                 {ShownText(result.unreadable.string())}));
    case MergeStatus::AccessError: {
        const std::string reason =
            result.failure.reason.empty()
                ? std::string(Said(PLENTA_TEXT(
                      "plenta-journal", "ist nicht neu zu schreiben (unlesbar, von einem anderen Programm "
                                        "gesperrt, oder der Ordner ist voll oder schreibgeschützt); es ist "
                                        "unverändert")))
                : result.failure.reason;
        return CannotRewrite(request.journal, result.failure.file, reason);
    }
    case MergeStatus::Merged:
        break;
    }
    const bool journalKept = request.preference == MergePreference::Journal;
    for (const MergeConflict &conflict : result.report.conflicts) {
        // With several files the standing record may be an earlier file's, which is named instead.
        const std::string standing = conflict.standingFile.empty()
                                         ? std::string(Said(PLENTA_TEXT("plenta-journal", "Tagebuch")))
                                         : ShownText(conflict.standingFile.string());
        std::cout << Said(PLENTA_TEXT("plenta-journal", "Konflikt %1: %2 \"%3\", %4 \"%5\"; behalten: %6"),
                          {ShownText(DateOf(conflict.journalRecord)), standing,
                           ShownText(Cp1252ToUtf8(conflict.journalRecord)), ShownText(conflict.file.string()),
                           ShownText(Cp1252ToUtf8(conflict.otherRecord)),
                           journalKept ? standing : Said(PLENTA_TEXT("plenta-journal", "die andere Datei"))})
                  << '\n';
    }
    for (const MalformedLine &line : result.malformed) {
        std::cout << Said(PLENTA_TEXT("plenta-journal",
                                      "nicht übernommen: %1 Zeile %2 ist kein Eintrag: \"%3\""),
                          {ShownText(line.file.string()), std::to_string(line.number),
                           ShownText(Cp1252ToUtf8(line.text))})
                  << '\n';
    }
    const MergeCounts &counts = result.report.counts;
    std::cout
        << Said(PLENTA_TEXT("plenta-journal", "übernommen aus %1: %2 neu, %3 (%4), %5 schon im Tagebuch"),
                {Plural(static_cast<int>(request.files.size()), PLENTA_TEXT("plenta-journal", "1 Datei"),
                        PLENTA_TEXT("plenta-journal", "%1 Dateien")),
                 std::to_string(counts.added),
                 Plural(counts.conflicts, PLENTA_TEXT("plenta-journal", "1 Konflikt"),
                        PLENTA_TEXT("plenta-journal", "%1 Konflikte")),
                 journalKept ? Said(PLENTA_TEXT("plenta-journal", "wie im Tagebuch behalten"))
                             : Said(PLENTA_TEXT("plenta-journal", "wie in der anderen Datei behalten")),
                 std::to_string(counts.same)})
        << '\n';
    for (const KeptCopy &kept : result.kept) {
        std::cout << Said(PLENTA_TEXT("plenta-journal", "behalten: %1: %2"),
                          {ShownText(kept.file.string()), ShownText(kept.reason)})
                  << '\n';
    }
    return AfterRecording(recording, ExitCode::Success);
}

} // namespace plenta
