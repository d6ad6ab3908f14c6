// Save and delete: the line-by-line copy that inserts, replaces or leaves out the records of one date.
#include "journal/JournalEdit.h"

#include "journal/CarriedLines.h"
#include "journal/CodePage.h"
#include "journal/JournalRecord.h"
#include "journal/JournalRewrite.h"

#include <new>
#include <utility>

namespace plenta {

namespace {

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// No temporary file exists yet when memory runs out: the copy is built before the file is made.
EditOutcome OutOfMemory(const std::filesystem::path &journal, RewriteFailure *failure) noexcept {
    if (failure != nullptr) {
        try {
            failure->file = journal;
            failure->reason = "not enough memory for the rewrite; the journal was left as it is";
        } catch (const std::bad_alloc &) {
            failure->reason.clear();
        }
    }
    return EditOutcome::AccessError;
}

bool IsStorable(const EntryValues &entry) {
    return entry.date.ok() && entry.date.year() >= std::chrono::year{1} &&
           entry.date.year() <= std::chrono::year{9999} && entry.temperature >= 0 &&
           entry.temperature <= 999 &&
           Utf8Length(entry.comment) <= static_cast<std::size_t>(MAX_SELECTION_COMMENT_CHARS) &&
           !HasLineBreak(entry.comment) && !HasLineBreak(entry.marks);
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

// The first line is the header whatever it holds (the scan skips it too), so it is copied and never replaced.
// Every other line is placed by its DateKey, read by atoi even from a malformed line; but only a well-formed
// record of the date is dropped. A malformed line of the same date is kept, just after the new record, so the
// save never loses a line the user may still want to mend by hand.
EditOutcome SaveEntry(const std::filesystem::path &journal, const EntryValues &entry, Durability durability,
                      RewriteFailure *failure) try {
    if (!IsStorable(entry)) {
        return EditOutcome::DatabaseError;
    }
    const std::string record = FormatRecord(entry.date, entry.temperature, entry.marks, entry.comment);
    const std::int32_t newKey = DateKey(record);
    bool replaced = false;
    const auto transform = [&](std::string_view old, JournalState, std::string &out) {
        // The rewrite runs this again when another program changed the journal meanwhile.
        replaced = false;
        if (old.empty()) {
            out += LoadText(StringId::JournalHeader);
        }
        bool written = false;
        bool first = true;
        ForEachCarriedLine(old, [&](std::string_view line) {
            if (std::exchange(first, false)) {
                out += line;
                return;
            }
            const std::int32_t key = DateKey(line);
            if (key >= newKey && !written) {
                out += record;
                written = true;
            }
            if (key == newKey && ReadRecord(StripLineEnd(line))) {
                replaced = true;
                return;
            }
            out += line;
        });
        if (!written) {
            out += record;
        }
    };
    switch (RewriteJournal(journal, MissingJournal::Create, durability, transform, failure)) {
    case RewriteStatus::Written:
        return replaced ? EditOutcome::Replaced : EditOutcome::Saved;
    case RewriteStatus::Missing:
    case RewriteStatus::Unreadable:
    case RewriteStatus::WriteFailed:
        break;
    }
    // A journal that exists but cannot be read is never taken for a new one: that would overwrite it.
    return EditOutcome::AccessError;
} catch (const std::bad_alloc &) {
    return OutOfMemory(journal, failure);
}

EditOutcome DeleteDayEntries(const std::filesystem::path &journal, Date date, Durability durability,
                             RewriteFailure *failure) try {
    if (!date.ok()) {
        return EditOutcome::DatabaseError;
    }
    const std::string prefix = RecordDatePrefix(date);
    const auto transform = [&](std::string_view old, JournalState, std::string &out) {
        bool first = true;
        ForEachCarriedLine(old, [&](std::string_view line) {
            if (!std::exchange(first, false) && line.starts_with(prefix) && ReadRecord(StripLineEnd(line))) {
                return;
            }
            out += line;
        });
    };
    switch (RewriteJournal(journal, MissingJournal::Refuse, durability, transform, failure)) {
    case RewriteStatus::Written:
        return EditOutcome::Deleted;
    case RewriteStatus::Missing:
    case RewriteStatus::Unreadable:
        return EditOutcome::DatabaseError;
    case RewriteStatus::WriteFailed:
        break;
    }
    return EditOutcome::AccessError;
} catch (const std::bad_alloc &) {
    return OutOfMemory(journal, failure);
}

} // namespace plenta
