// SPDX-License-Identifier: GPL-3.0-or-later
// Save and delete: the line-by-line copy that inserts, replaces or leaves out the records of one date.
#include "journal/JournalEdit.h"

#include "journal/CarriedLines.h"
#include "journal/JournalRecord.h"
#include "journal/JournalRewrite.h"
#include "journal/ReasonText.h"
#include "journal/RecordPlacement.h"
#include "journal/RecordedRewrite.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

namespace plenta {

namespace {

// A byte that would end the record's line (LF) or its text (NUL). A CR within a text is kept: only one
// before the LF is cut, and a trimmed comment never ends in one.
bool EndsLineOrText(std::string_view text) {
    return text.find_first_of(std::string_view("\n\0", 2)) != std::string_view::npos;
}

// Whether the record's fields read back from `record` exactly as given: the marks are one attribute token.
bool ReadsBack(std::string_view marks) {
    return std::none_of(marks.begin(), marks.end(), IsSeparator) && !EndsLineOrText(marks);
}

// No temporary file exists yet when memory runs out: the copy is built before the file is made.
EditOutcome OutOfMemory(const std::filesystem::path &journal, RewriteFailure *failure) noexcept {
    if (failure != nullptr) {
        try {
            failure->file = journal;
            failure->reason = ReasonText(PLENTA_TEXT(
                "journal", "nicht genug Speicher zum Neuschreiben; das Tagebuch blieb, wie es war"));
        } catch (const std::bad_alloc &) {
            failure->reason.clear();
        }
    }
    return EditOutcome::AccessError;
}

// The entry's line as it is stored, without its line end, or nothing for one the journal cannot hold as a
// record of its date: a date without a day number, a temperature outside 0.0..99.9, marks that would not read
// back as the attribute, a text holding a line end or a NUL, or a line beyond the scan's bound. The comment
// is trimmed as a reader trims it.
std::optional<std::string> StoredRecord(const EntryValues &entry) {
    if (!entry.date.ok() || entry.date.year() < std::chrono::year{FIRST_RECORD_YEAR} ||
        entry.date.year() > std::chrono::year{9999} || entry.temperature < 0 || entry.temperature > 999 ||
        !ReadsBack(entry.marks) || EndsLineOrText(entry.comment)) {
        return std::nullopt;
    }
    std::string record = FormatRecord(entry.date, entry.temperature, entry.marks, TrimComment(entry.comment));
    // The placement adds the line end again.
    record.resize(record.size() - 2);
    if (record.size() > MAX_RECORD_TEXT_BYTES) {
        return std::nullopt;
    }
    return record;
}

bool IsRecordOf(std::string_view line, Date date) {
    const std::optional<RecordFields> record = RecordOfLine(line);
    return record && record->date == date;
}

} // namespace

StringId MessageOf(EditOutcome outcome) {
    switch (outcome) {
    case EditOutcome::Saved:
        return StringId::EntrySaved;
    case EditOutcome::Replaced:
        return StringId::EntryReplaced;
    case EditOutcome::Deleted:
        return StringId::EntryDeleted;
    case EditOutcome::AccessError:
        return StringId::AccessError;
    case EditOutcome::DatabaseError:
        return StringId::DatabaseError;
    }
    return StringId::DatabaseError;
}

bool Succeeded(EditOutcome outcome) {
    return outcome == EditOutcome::Saved || outcome == EditOutcome::Replaced ||
           outcome == EditOutcome::Deleted;
}

std::int32_t TemperatureForSave(int listIndex, std::int32_t scannedTemperature) {
    if (listIndex < 0 || listIndex > TEMPERATURE_TOP - TEMPERATURE_BOTTOM) {
        return scannedTemperature;
    }
    return TEMPERATURE_TOP - listIndex;
}

// The record is placed as CopyWithRecordsPlaced places every record; the date's old records go.
EditOutcome SaveEntry(const std::filesystem::path &journal, const EntryValues &entry, Durability durability,
                      RewriteFailure *failure, ChangeRecording *recording) try {
    const std::optional<std::string> stored = StoredRecord(entry);
    if (!stored) {
        return EditOutcome::DatabaseError;
    }
    const PlacedRecords records{{DateKey(*stored), *stored}};
    bool replaced = false;
    const auto transform = [&](std::string_view old, std::string &out) {
        // The rewrite runs this again when another program changed the journal meanwhile.
        replaced = CopyWithRecordsPlaced(old, records, out) > 0;
    };
    switch (RecordedRewrite(journal, MissingJournal::Create, durability, transform, failure, recording,
                            {"save"})) {
    case RewriteStatus::Written:
        return replaced ? EditOutcome::Replaced : EditOutcome::Saved;
    case RewriteStatus::Missing:
    case RewriteStatus::Unreadable:
    case RewriteStatus::WriteFailed:
    case RewriteStatus::Declined:
        break;
    }
    // A journal that exists but cannot be read is never taken for a new one: that would overwrite it.
    return EditOutcome::AccessError;
} catch (const std::bad_alloc &) {
    return OutOfMemory(journal, failure);
}

EditOutcome DeleteDayEntries(const std::filesystem::path &journal, Date date, Durability durability,
                             RewriteFailure *failure, ChangeRecording *recording) try {
    if (!date.ok()) {
        return EditOutcome::DatabaseError;
    }
    const auto transform = [&](std::string_view old, std::string &out) {
        bool first = true;
        ForEachCarriedLine(old, [&](std::string_view line) {
            if (!std::exchange(first, false) && IsRecordOf(line, date)) {
                return;
            }
            out += line;
        });
    };
    switch (RecordedRewrite(journal, MissingJournal::Refuse, durability, transform, failure, recording,
                            {"delete"})) {
    case RewriteStatus::Written:
        return EditOutcome::Deleted;
    case RewriteStatus::Missing:
    case RewriteStatus::Unreadable:
        return EditOutcome::DatabaseError;
    case RewriteStatus::WriteFailed:
    case RewriteStatus::Declined:
        break;
    }
    return EditOutcome::AccessError;
} catch (const std::bad_alloc &) {
    return OutOfMemory(journal, failure);
}

} // namespace plenta
