// SPDX-License-Identifier: GPL-3.0-or-later
// Brings the records of other journal files (the conflict copies a sync service leaves) into the journal, and
// compares such files with it. The journal's own lines are never touched beyond what a merged record needs.
#pragma once

#include "journal/JournalEdit.h"
#include "journal/JournalText.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plenta {

// Whose record stays when the journal and another file hold different records of one date.
enum class MergePreference { Journal, Other };

// What happens to the other files once their records are in the journal.
enum class MergedFiles { Keep, Remove };

// A line of another file that is no record: reported, never merged. The text is as read, without line end.
struct MalformedLine {
    std::filesystem::path file;
    std::size_t number = 0; // counted from 1, the header being line 1
    std::string text;
};

// The records of another journal file by date key, each its line without line end in 1252 bytes. Of two
// records of one date the later counts, as the scan shows it.
struct OtherJournal {
    std::filesystem::path path;
    std::map<std::int32_t, std::string> records;
    std::vector<MalformedLine> malformed;
    FileSeen seen; // the file as it was read, for a removal after the merge
};

// Reads another journal file by the scan's rules, except that a copy may lack the header: its first line is a
// record when it is one and the header otherwise; a blank line is nothing, any other line the scan does not
// count is listed as malformed. Nothing when it cannot be read as a regular file.
std::optional<OtherJournal> ReadOtherJournal(const std::filesystem::path &file);

struct MergeCounts {
    int added = 0;     // dates only the other file has
    int same = 0;      // dates with the same record on both sides
    int conflicts = 0; // dates with different records
};

// One date whose records differ; both lines without line end, in 1252 bytes, as the scan reads them (up to a
// NUL). The standing record is the one the date had before `file` was taken: the journal's, or with several
// files that of an earlier file, named by `standingFile` (empty for the journal).
struct MergeConflict {
    std::filesystem::path file;
    std::string journalRecord;
    std::string otherRecord;
    std::filesystem::path standingFile;
};

struct MergeReport {
    MergeCounts counts;
    std::vector<MergeConflict> conflicts;
};

// The merge as a rewrite of the journal's bytes into `out`, the other files taken in turn: a date only the
// other file has gets its record in date order (where a save would put it), a date with a different record is
// a conflict settled by `preference`. With several files a date's standing record is compared with each
// file's in turn: preferring the journal, the first record of the date (the journal's, else the first file's
// that has it) stays; preferring the others, the last differing file's record stays. Every other line of the
// journal, its header and malformed lines included, is carried over unchanged.
MergeReport MergeRecords(std::string_view journal, std::span<const OtherJournal> others,
                         MergePreference preference, std::string &out);

enum class MergeStatus {
    Merged,
    OtherUnreadable, // a file to merge could not be read; nothing was written
    AccessError,     // the journal could not be read or written; it is as it was
};

// A merged file that MergedFiles::Remove did not remove, and why.
struct KeptCopy {
    std::filesystem::path file;
    std::string reason;
};

struct MergeResult {
    MergeStatus status = MergeStatus::AccessError;
    MergeReport report;
    std::vector<MalformedLine> malformed; // of all other files, for the report
    std::filesystem::path unreadable;     // the file that could not be read
    int unreadableError = 0;              // why, as errno (EFBIG: larger than MAX_READ_BYTES)
    std::vector<KeptCopy> kept;           // merged, but still there after MergedFiles::Remove
    RewriteFailure failure;               // why the journal was not written (AccessError)
};

// Reads the other files, then merges them in one crash-safe rewrite under the journal's lock (a missing
// journal is created). With MergedFiles::Remove the other files are removed, but only after the journal has
// been written, and each only while it is still the file that was read (RemoveIfUnchanged). With `recording`,
// a merge that changed a record is appended to its history as "merge" (see SaveEntry).
MergeResult MergeIntoJournal(const std::filesystem::path &journal,
                             std::span<const std::filesystem::path> files, MergePreference preference,
                             MergedFiles merged, Durability durability = Durability::Fsync,
                             ChangeRecording *recording = nullptr);

// The same rewrite for records already read, such as rows an import converted to records. Reading nothing,
// it never answers MergeStatus::OtherUnreadable. Recorded as "import".
MergeResult MergeReadRecords(const std::filesystem::path &journal, std::span<const OtherJournal> others,
                             MergePreference preference, Durability durability = Durability::Fsync,
                             ChangeRecording *recording = nullptr);

// How one conflict copy stands to the journal.
struct CopyComparison {
    std::filesystem::path path;
    bool readable = false;
    MergeCounts counts; // added: records the journal lacks; conflicts: records that differ
    std::size_t malformed = 0;
};

// Compares each file with the journal, read once under its shared lock (a missing journal lacks every
// record). Nothing when the journal exists but cannot be read.
std::optional<std::vector<CopyComparison>> CompareWithJournal(const std::filesystem::path &journal,
                                                              std::span<const std::filesystem::path> files);

} // namespace plenta
