// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the journal library's comparison and merge into lines a person can read and a script can parse.
#include "SyncCommands.h"
#include "FailureCause.h"
#include "HistoryCommands.h"

#include "ShownText.h"

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
    return CannotOpenJournal(journal, journal, "cannot be read (unreadable, or locked by another program)");
}

std::string Plural(int count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

void PrintCopyText(const ConflictCopy &copy, const CopyComparison &comparison) {
    std::cout << ShownText(copy.path.string()) << " (" << SchemeName(copy.scheme) << "): ";
    if (!comparison.readable) {
        std::cout << "cannot be read\n";
        return;
    }
    std::cout << Plural(comparison.counts.added, "record", "records") << " the journal lacks, "
              << Plural(comparison.counts.conflicts, "record differs", "records differ");
    if (comparison.malformed > 0) {
        std::cout << ", " << Plural(static_cast<int>(comparison.malformed), "line", "lines")
                  << " not a record";
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
        std::cout << "no conflict copies beside " << journal.string() << '\n';
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
            return Fail(ExitCode::Failure,
                        "cannot merge '" + ShownText(result.unreadable.string()) + "': it is larger than " +
                            std::to_string(MAX_READ_BYTES >> 20) +
                            " MiB, more than any journal can hold; the journal is unchanged");
        }
        return Fail(ExitCode::Failure,
                    "cannot read '" + ShownText(result.unreadable.string()) +
                        "' (missing, unreadable, or no regular file); the journal is unchanged");
    case MergeStatus::AccessError: {
        const std::string reason =
            result.failure.reason.empty()
                ? "cannot be rewritten (unreadable, locked by another program, or the folder is full or "
                  "read-only); it is unchanged"
                : result.failure.reason;
        return Fail(ExitCode::Failure, "cannot rewrite the journal: " +
                                           FailureCause(request.journal, result.failure.file, reason));
    }
    case MergeStatus::Merged:
        break;
    }
    const bool journalKept = request.preference == MergePreference::Journal;
    for (const MergeConflict &conflict : result.report.conflicts) {
        // With several files the standing record may be an earlier file's, which is named instead.
        const std::string standing = conflict.standingFile.empty()
                                         ? std::string("journal")
                                         : ShownText(conflict.standingFile.string());
        std::cout << "conflict " << ShownText(DateOf(conflict.journalRecord)) << ": " << standing << " \""
                  << ShownText(Cp1252ToUtf8(conflict.journalRecord)) << "\", "
                  << ShownText(conflict.file.string()) << " \""
                  << ShownText(Cp1252ToUtf8(conflict.otherRecord)) << "\"; kept "
                  << (journalKept ? standing : std::string("other")) << '\n';
    }
    for (const MalformedLine &line : result.malformed) {
        std::cout << "not merged: " << ShownText(line.file.string()) << " line " << line.number
                  << " is not a record: \"" << ShownText(Cp1252ToUtf8(line.text)) << "\"\n";
    }
    const MergeCounts &counts = result.report.counts;
    std::cout << "merged " << Plural(static_cast<int>(request.files.size()), "file", "files") << ": "
              << counts.added << " added, " << Plural(counts.conflicts, "conflict", "conflicts")
              << " (kept as the " << (journalKept ? "journal" : "other file") << " has them), " << counts.same
              << " already in the journal\n";
    for (const KeptCopy &kept : result.kept) {
        std::cout << "kept " << ShownText(kept.file.string()) << ": " << ShownText(kept.reason) << '\n';
    }
    return AfterRecording(recording, ExitCode::Success);
}

} // namespace plenta
