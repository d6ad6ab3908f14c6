// SPDX-License-Identifier: GPL-3.0-or-later
// The local history of Plenta's own changes to the journal: one JSON object per line in a file on this
// device, beside settings.ini and outside the synced folder. This file reads, appends and bounds it; what
// undo, missing and restore make of it lies in JournalUndo.h and MissingRecords.h.
#pragma once

#include "journal/JournalTypes.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plenta {

// The history's name in the device root.
inline constexpr std::string_view HISTORY_FILE_NAME = "history.jsonl";

// Beyond either bound the oldest entries go, whichever is reached first. The newest entry always stays, even
// one larger than the byte bound on its own (a big import), so the latest change can always be undone.
inline constexpr std::size_t MAX_HISTORY_BYTES = std::size_t{1} << 20;
inline constexpr std::size_t MAX_HISTORY_ENTRIES = 5000;

// <device root>/history.jsonl. The root is the caller's: the journal library knows no device.
std::filesystem::path HistoryPathOf(const std::filesystem::path &deviceRoot);

// The records of one date before and after a change: every line the scan counts as a record of the date, in
// journal order, each with its line end, in the journal's 1252 bytes. Written back, they give the journal's
// bytes exactly. In the file they are UTF-8 (the code page maps every byte, so that is lossless).
struct DateChange {
    Date date;
    std::vector<std::string> before;
    std::vector<std::string> after;
};

// One change of the journal made by the window or the tool.
struct HistoryEntry {
    // Counts up from 1 across the file's life; trimming the oldest entries never reuses an id.
    std::int64_t id = 0;
    // UTC, "2026-12-08T07:55:35Z".
    std::string time;
    // "save", "delete", "merge", "import", "restore" or "undo".
    std::string command;
    // The absolute path of the journal that was changed: one device may keep several journals (--journal),
    // and undo, missing and restore look only at the entries of theirs.
    std::string journal;
    // For an undo: the id of the change it reverted; 0 otherwise.
    std::int64_t undoes = 0;
    // Only the dates whose records changed, in date order. A rewrite that changed no record is not recorded.
    std::vector<DateChange> dates;
};

// How recording a change went. The journal's change has happened in every case but Failed's reason.
enum class RecordStatus {
    NotRecorded, // no history given, the rewrite failed, or no record changed
    Recorded,    // appended and synced to disk before the command reports success
    Failed,      // the journal was changed but the history could not be written: the caller warns
};

// Given to every command that changes the journal, so that the window and the tool record alike. The
// history's path comes in; the outcome goes out.
struct ChangeRecording {
    // HistoryPathOf(device root); empty: the change is not recorded (benchmarks, tests of the rewrite).
    std::filesystem::path history;
    RecordStatus status = RecordStatus::NotRecorded;
    // Why the history could not be written or read, with the file named.
    std::string problem = {};
};

// The history's entries, oldest first. A missing file is an empty history. A last line without line end (a
// write cut short by a crash) and lines that are no entry are skipped. Nothing, with `problem` filled, when
// the file cannot be read or is no regular file (a link, a FIFO, a device: never followed nor opened for
// reading in a way that could block).
std::optional<std::vector<HistoryEntry>> ReadHistory(const std::filesystem::path &history,
                                                     std::string *problem = nullptr);

// The entries of one journal only (a device may keep several, --journal), oldest first, read as ReadHistory
// reads them.
std::optional<std::vector<HistoryEntry>> ReadJournalHistory(const std::filesystem::path &history,
                                                            const std::filesystem::path &journal,
                                                            std::string *problem = nullptr);

// Appends the entry as one line and syncs it, under an exclusive lock on the history, giving it the next id
// (written back into `entry`). Creates the file with mode 0600 and never follows a link nor opens anything
// but a regular file. When the file has grown past a bound, it is first rewritten without its oldest entries
// through a temporary file and a rename (a crash leaves the old or the trimmed history), so an ordinary
// append costs one write and one fsync. False, with `problem` filled, when it could not be written.
bool AppendHistoryEntry(const std::filesystem::path &history, HistoryEntry &entry,
                        std::string *problem = nullptr);

// The entries' text form, exactly one line without line end, and back. Exposed for the tool's --json output
// and for tests; ParseHistoryLine gives nothing for a line that is no entry.
std::string HistoryLineOf(const HistoryEntry &entry);
std::optional<HistoryEntry> ParseHistoryLine(std::string_view line);

// The journal's name as entries store it (absolute, normalised), for comparing with HistoryEntry::journal.
std::string HistoryJournalName(const std::filesystem::path &journal);

} // namespace plenta
