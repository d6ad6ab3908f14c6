// SPDX-License-Identifier: GPL-3.0-or-later
// The two commands that rewrite the journal: store the form's entry for a date, delete a date's records.
#pragma once

#include "journal/ChangeHistory.h"
#include "journal/JournalRewrite.h"
#include "journal/JournalTypes.h"

#include <StringTable.h>

#include <filesystem>
#include <string>

namespace plenta {

// What the form hands to a save: every text in UTF-8.
struct EntryValues {
    Date date;
    // Tenths of a degree.
    std::int32_t temperature = DEFAULT_TEMPERATURE;
    // The pending mark string.
    std::string marks;
    // Typed: at most MAX_COMMENT_CHARS; kept from the journal: whole, up to the line bound.
    std::string comment;
};

// The outcome of a rewrite; each stands for the message the program shows.
enum class EditOutcome {
    Saved,         // "Eintrag gespeichert!"
    Replaced,      // "Eintrag ersetzt!"
    Deleted,       // "Eintrag gelöscht!"
    AccessError,   // "Fehler beim Datenbankzugriff!"
    DatabaseError, // "Fehler mit der Datenbank!"
};

StringId MessageOf(EditOutcome outcome);
bool Succeeded(EditOutcome outcome);

// The temperature a save stores: the list's value, or with no list item selected (index -1) the temperature
// the scan read for the day, so that a save never invents 37.6.
std::int32_t TemperatureForSave(int listIndex, std::int32_t scannedTemperature);

// Inserts the entry at its date, replacing every record of that date, through a crash-safe rewrite. The
// comment is stored trimmed as a reader trims it (leading separators, trailing separators and blanks). An
// entry the journal cannot hold as a record of its date (no date from 1601 on, a temperature outside
// 0.0..99.9, marks holding a separator, a line end or a NUL in a text, a line beyond the scan's bound) is
// refused with DatabaseError and nothing is written. A comment longer than the form lets one type comes from
// a hand-edited journal, and a save of its day keeps it whole. A failed rewrite fills `failure`, when given,
// with the file and the reason; running out of memory is AccessError like any other failed rewrite.
// With `recording`, a save that changed a record is appended to its history as command "save" before this
// returns; the history's outcome is in `recording->status` and never changes the returned outcome.
EditOutcome SaveEntry(const std::filesystem::path &journal, const EntryValues &entry,
                      Durability durability = Durability::Fsync, RewriteFailure *failure = nullptr,
                      ChangeRecording *recording = nullptr);

// Removes every record of the date; the header and all other lines stay byte for byte. Recorded as "delete"
// like a save.
EditOutcome DeleteDayEntries(const std::filesystem::path &journal, Date date,
                             Durability durability = Durability::Fsync, RewriteFailure *failure = nullptr,
                             ChangeRecording *recording = nullptr);

} // namespace plenta
