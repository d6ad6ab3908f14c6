// The merge reads other files by the scan's rules and writes through the same crash-safe rewrite as a save,
// so an interrupted merge leaves the journal as it was and a finished one never loses a line of it.
#include "journal/JournalMerge.h"

#include "journal/CarriedLines.h"
#include "journal/JournalRecord.h"
#include "journal/JournalRewrite.h"
#include "journal/JournalText.h"

#include <StringTable.h>

#include <utility>

namespace plenta {

namespace {

// The well-formed records of the journal by date key; a later record of a date stands for it.
std::map<std::int32_t, std::string> RecordsOf(std::string_view journal) {
    std::map<std::int32_t, std::string> records;
    bool header = true;
    ForEachCarriedLine(journal, [&](std::string_view line) {
        const std::string_view text = StripLineEnd(line);
        if (std::exchange(header, false)) {
            return;
        }
        if (const std::optional<RecordFields> record = ReadRecord(text)) {
            records[record->dateKey] = std::string(text);
        }
    });
    return records;
}

// The line from its comment on, less trailing separators and blanks. Two comments that differ only after
// their first word must not count as the same, however much of a comment the reader takes.
std::string_view CommentTail(std::string_view line, std::string_view comment) {
    if (comment.empty()) {
        return {};
    }
    std::string_view tail = line.substr(static_cast<std::size_t>(comment.data() - line.data()));
    while (!tail.empty() && std::string_view(";, \t\r\n\v\f").find(tail.back()) != std::string_view::npos) {
        tail.remove_suffix(1);
    }
    return tail;
}

} // namespace

bool SameRecord(std::string_view a, std::string_view b) {
    const std::optional<RecordFields> left = ReadRecord(a);
    const std::optional<RecordFields> right = ReadRecord(b);
    return left && right && left->dateKey == right->dateKey && left->temperature == right->temperature &&
           left->marks == right->marks && CommentTail(a, left->comment) == CommentTail(b, right->comment);
}

std::optional<OtherJournal> ReadOtherJournal(const std::filesystem::path &file) {
    OtherJournal other;
    other.path = file;
    std::size_t number = 0;
    // A conflict copy is finished, so unlike the journal it has no line still being written: a last line
    // without LF counts.
    const bool read = ReadFileLines(file, [&](std::string_view line) {
        const std::string_view text = StripLineEnd(line);
        if (++number == 1 || text.empty()) {
            return;
        }
        if (const std::optional<RecordFields> record = ReadRecord(text)) {
            other.records[record->dateKey] = std::string(text);
        } else {
            other.malformed.push_back({file, number, std::string(text)});
        }
    });
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
    std::map<std::int32_t, std::string> standing = RecordsOf(journal);
    std::map<std::int32_t, std::string> incoming;
    for (const OtherJournal &other : others) {
        for (const auto &[key, record] : other.records) {
            const auto found = standing.find(key);
            if (found == standing.end()) {
                standing.emplace(key, record);
                incoming[key] = record;
                ++report.counts.added;
            } else if (SameRecord(found->second, record)) {
                ++report.counts.same;
            } else {
                ++report.counts.conflicts;
                report.conflicts.push_back({other.path, found->second, record});
                if (preference == MergePreference::Other) {
                    found->second = record;
                    incoming[key] = record;
                }
            }
        }
    }

    if (journal.empty()) {
        out += LoadText(StringId::JournalHeader);
    }
    auto next = incoming.begin();
    const auto writeUpTo = [&](std::int32_t key) {
        for (; next != incoming.end() && next->first <= key; ++next) {
            out += next->second;
            out += "\r\n";
        }
    };
    bool header = true;
    ForEachCarriedLine(journal, [&](std::string_view line) {
        if (std::exchange(header, false)) {
            out += line;
            return;
        }
        // Placed as a save places its record: before the first line of its date or a later one. A replaced
        // date's well-formed records go; a malformed line of that date stays.
        const std::int32_t key = DateKey(line);
        writeUpTo(key);
        if (incoming.contains(key) && ReadRecord(StripLineEnd(line))) {
            return;
        }
        out += line;
    });
    writeUpTo(INT32_MAX);
    return report;
}

MergeResult MergeReadRecords(const std::filesystem::path &journal, std::span<const OtherJournal> others,
                             MergePreference preference, Durability durability) {
    MergeResult result;
    // The rewrite may build the content more than once when another program changed the journal meanwhile;
    // the report is the one of the content that was written.
    const auto transform = [&](std::string_view old, JournalState, std::string &out) {
        result.report = MergeRecords(old, others, preference, out);
    };
    if (RewriteJournal(journal, MissingJournal::Create, durability, transform) != RewriteStatus::Written) {
        result.status = MergeStatus::AccessError;
        result.report = {};
        return result;
    }
    result.status = MergeStatus::Merged;
    return result;
}

MergeResult MergeIntoJournal(const std::filesystem::path &journal,
                             std::span<const std::filesystem::path> files, MergePreference preference,
                             MergedFiles merged, Durability durability) {
    MergeResult result;
    std::vector<OtherJournal> others;
    for (const std::filesystem::path &file : files) {
        std::optional<OtherJournal> other = ReadOtherJournal(file);
        if (!other) {
            result.status = MergeStatus::OtherUnreadable;
            result.unreadable = file;
            return result;
        }
        result.malformed.insert(result.malformed.end(), other->malformed.begin(), other->malformed.end());
        others.push_back(std::move(*other));
    }
    const MergeResult written = MergeReadRecords(journal, others, preference, durability);
    result.status = written.status;
    result.report = written.report;
    if (result.status != MergeStatus::Merged) {
        return result;
    }
    if (merged == MergedFiles::Remove) {
        for (const std::filesystem::path &file : files) {
            std::error_code error;
            if (!std::filesystem::remove(file, error) || error) {
                result.notRemoved.push_back(file);
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
