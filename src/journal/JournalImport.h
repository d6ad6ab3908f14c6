// SPDX-License-Identifier: GPL-3.0-or-later
// Brings the rows of an export file (Plenta's own CSV or drip's) into the journal. The rows are turned into
// record lines and handed to the merge, so an import is one more merge: the same rewrite, lock and summary.
#pragma once

#include "journal/JournalMerge.h"
#include "journal/JournalRewrite.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plenta {

enum class ImportFormat { PlentaCsv, Drip };

struct ImportOptions {
    ImportFormat format = ImportFormat::PlentaCsv;
    // Tenths; a drip day without a usable temperature gets it, as the form's default would give it.
    std::optional<std::int32_t> defaultTemperature;
};

// One row of the file that was left out or changed on its way in. `date` is the row's date text as written.
struct ImportNote {
    std::size_t line = 0;
    std::string date;
    std::string reason;
};

// The file's rows as records. With a non-empty `error` the file is not the export it was said to be, and
// nothing of it may be imported.
struct ImportedRecords {
    std::string error;
    OtherJournal records;
    std::vector<ImportNote> skipped; // rows that bring no record
    std::vector<ImportNote> changed; // rows whose comment lost characters
};

// Input files are bounded like the journal a rewrite may write.
inline constexpr std::size_t MAX_IMPORT_BYTES = MAX_REWRITE_BYTES;

// Converts the text of an export (UTF-8, a byte order mark allowed) by the format's rules. A field of
// Plenta's CSV that starts with an apostrophe loses that one apostrophe, undoing what the export adds in
// front of text a spreadsheet would run as a formula.
ImportedRecords ConvertImport(std::string_view text, const ImportOptions &options);

struct ImportResult {
    ImportedRecords imported; // its error, or the read's, when nothing was merged
    MergeResult merge;        // meaningful when imported.error is empty
};

// Reads and converts the file, then merges its records in one crash-safe rewrite. The journal is not touched
// when the file cannot be read or converted. Recorded as "import" (see MergeReadRecords).
ImportResult ImportIntoJournal(const std::filesystem::path &journal, const std::filesystem::path &file,
                               const ImportOptions &options, MergePreference preference,
                               Durability durability = Durability::Fsync,
                               ChangeRecording *recording = nullptr);

} // namespace plenta
