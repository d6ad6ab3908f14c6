// SPDX-License-Identifier: GPL-3.0-or-later
// The merge reads other files by the scan's rules and writes through the same crash-safe rewrite as a save,
// so an interrupted merge leaves the journal as it was and a finished one never loses a line of it.
#include "journal/JournalMerge.h"

#include "journal/CarriedLines.h"
#include "journal/ConflictCopies.h"
#include "journal/CopyRemoval.h"
#include "journal/JournalRecord.h"
#include "journal/JournalRewrite.h"
#include "journal/JournalText.h"
#include "journal/LineReader.h"
#include "journal/ReasonText.h"
#include "journal/RecordPlacement.h"
#include "journal/RecordedRewrite.h"

#include <cerrno>
#include <utility>

namespace plenta {

namespace {

// A record's line as the scan reads it: without its line end, and ending at a NUL as its text does.
std::string RecordText(std::string_view line) {
    const std::string_view text = StripLineEnd(line);
    return std::string(text.substr(0, text.find('\0')));
}

// The journal's records as the scan counts them, by date key; a later record of a date stands for it.
std::map<std::int32_t, std::string> RecordsOf(std::string_view journal) {
    std::map<std::int32_t, std::string> records;
    bool header = true;
    ForEachCarriedLine(journal, [&](std::string_view line) {
        if (std::exchange(header, false)) {
            return;
        }
        if (const std::optional<RecordFields> record = RecordOfLine(line)) {
            records[record->dateKey] = RecordText(line);
        }
    });
    return records;
}

// The record a date has after the files merged so far, and the file it came from (empty: the journal).
struct Standing {
    std::string record;
    std::filesystem::path file;
};

// Two records are the same when they have the same date, temperature, marks (in any order) and comment, as
// the scan reads them.
bool SameRecord(std::string_view a, std::string_view b) {
    const std::optional<RecordFields> left = ReadRecord(a);
    const std::optional<RecordFields> right = ReadRecord(b);
    return left && right && left->dateKey == right->dateKey && left->temperature == right->temperature &&
           left->marks == right->marks && left->comment == right->comment;
}

} // namespace

std::optional<OtherJournal> ReadOtherJournal(const std::filesystem::path &file) {
    OtherJournal other;
    other.path = file;
    std::size_t number = 0;
    // A conflict copy is finished, so unlike the journal it has no line still being written: a last line
    // without LF counts. A copy may lack the header: its first line is a record when it is one.
    const bool read = ReadFileLines(
        file,
        [&](std::string_view line) {
            // A line beyond the bound was read past; it is listed as what it was, not as a blank line.
            const bool readPast = LineReader::WasReadPast(line);
            const std::string_view text =
                readPast ? std::string_view("[longer than 64 KiB, not read]") : StripLineEnd(line);
            const std::optional<RecordFields> record = readPast ? std::nullopt : RecordOfLine(line);
            if ((++number == 1 && !record) || text.empty()) {
                return;
            }
            if (record) {
                other.records[record->dateKey] = RecordText(line);
            } else {
                other.malformed.push_back({file, number, std::string(text)});
            }
        },
        &other.seen);
    if (!read) {
        return std::nullopt;
    }
    return other;
}

MergeReport MergeRecords(std::string_view journal, std::span<const OtherJournal> others,
                         MergePreference preference, std::string &out) {
    MergeReport report;
    // `standing` is the record each date has after the files merged so far; `incoming` what the rewrite
    // writes: added dates and, with the other file preferred, replaced ones.
    std::map<std::int32_t, Standing> standing;
    for (auto &[key, record] : RecordsOf(journal)) {
        standing.emplace(key, Standing{std::move(record), {}});
    }
    PlacedRecords incoming;
    for (const OtherJournal &other : others) {
        for (const auto &[key, record] : other.records) {
            const auto found = standing.find(key);
            if (found == standing.end()) {
                standing.emplace(key, Standing{record, other.path});
                incoming[key] = record;
                ++report.counts.added;
            } else if (SameRecord(found->second.record, record)) {
                ++report.counts.same;
            } else {
                ++report.counts.conflicts;
                report.conflicts.push_back({other.path, found->second.record, record, found->second.file});
                if (preference == MergePreference::Other) {
                    found->second = {record, other.path};
                    incoming[key] = record;
                }
            }
        }
    }

    // Placed as a save places its record; a replaced date's records, as the scan reads them, go.
    CopyWithRecordsPlaced(journal, incoming, out);
    return report;
}

namespace {

MergeResult MergeRecorded(const std::filesystem::path &journal, std::span<const OtherJournal> others,
                          MergePreference preference, Durability durability, ChangeRecording *recording,
                          const ChangeName &name) {
    MergeResult result;
    // The rewrite may build the content more than once when another program changed the journal meanwhile;
    // the report is the one of the content that was written.
    const auto transform = [&](std::string_view old, std::string &out) {
        result.report = MergeRecords(old, others, preference, out);
    };
    if (RecordedRewrite(journal, MissingJournal::Create, durability, transform, &result.failure, recording,
                        name) != RewriteStatus::Written) {
        result.status = MergeStatus::AccessError;
        result.report = {};
        return result;
    }
    result.status = MergeStatus::Merged;
    return result;
}

} // namespace

MergeResult MergeReadRecords(const std::filesystem::path &journal, std::span<const OtherJournal> others,
                             MergePreference preference, Durability durability, ChangeRecording *recording) {
    return MergeRecorded(journal, others, preference, durability, recording, {"import"});
}

MergeResult MergeIntoJournal(const std::filesystem::path &journal,
                             std::span<const std::filesystem::path> files, MergePreference preference,
                             MergedFiles merged, Durability durability, ChangeRecording *recording) {
    MergeResult result;
    std::vector<OtherJournal> others;
    for (const std::filesystem::path &file : files) {
        std::optional<OtherJournal> other = ReadOtherJournal(file);
        if (!other) {
            result.status = MergeStatus::OtherUnreadable;
            result.unreadable = file;
            result.unreadableError = errno;
            return result;
        }
        result.malformed.insert(result.malformed.end(), other->malformed.begin(), other->malformed.end());
        others.push_back(std::move(*other));
    }
    const MergeResult written = MergeRecorded(journal, others, preference, durability, recording, {"merge"});
    result.status = written.status;
    result.report = written.report;
    result.failure = written.failure;
    if (result.status != MergeStatus::Merged) {
        return result;
    }
    if (merged == MergedFiles::Remove) {
        for (const OtherJournal &other : others) {
            // A version Syncthing keeps is its user's history, not a copy to tidy away.
            if (IsKeptVersion(other.path)) {
                result.kept.push_back(
                    {other.path,
                     ReasonText(PLENTA_TEXT(
                         "journal",
                         "sie ist eine Fassung, die Syncthing aufbewahrt, und wird nie entfernt"))});
                continue;
            }
            if (KeptReason kept = RemoveIfUnchanged(other.path, other.seen, journal)) {
                result.kept.push_back({other.path, std::move(*kept)});
            }
        }
    }
    return result;
}

std::optional<std::vector<CopyComparison>> CompareWithJournal(const std::filesystem::path &journal,
                                                              std::span<const std::filesystem::path> files) {
    const std::optional<std::string> content = ReadJournalText(journal, MissingText::Empty);
    if (!content) {
        return std::nullopt;
    }
    std::vector<CopyComparison> comparisons;
    for (const std::filesystem::path &file : files) {
        CopyComparison comparison{file, false, {}, 0};
        if (const std::optional<OtherJournal> other = ReadOtherJournal(file)) {
            std::string ignored;
            comparison.readable = true;
            comparison.counts =
                MergeRecords(*content, std::span(&*other, 1), MergePreference::Journal, ignored).counts;
            comparison.malformed = other->malformed.size();
        }
        comparisons.push_back(std::move(comparison));
    }
    return comparisons;
}

} // namespace plenta
