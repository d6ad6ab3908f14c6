// SPDX-License-Identifier: GPL-3.0-or-later
// Text from the imported file reaches the terminal with its control characters escaped, so a hostile file
// cannot retitle or clear the user's terminal.
#include "ImportCommand.h"

#include "HistoryCommands.h"

#include "journal/CodePage.h"
#include "journal/JournalExport.h"
#include "journal/JournalRecord.h"

#include <cstdio>
#include <iostream>

namespace plenta {
namespace {

// C0 controls, DEL and the C1 controls (U+0080 to U+009F, which some terminals obey) as \xNN.
std::string Escaped(std::string_view utf8) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        const bool c1 =
            byte == 0xC2 && pos + 1 < utf8.size() && static_cast<unsigned char>(utf8[pos + 1]) < 0xA0;
        if (byte < 0x20 || byte == 0x7F || c1) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c1 ? static_cast<unsigned char>(utf8[++pos]) : byte);
            out += code;
        } else {
            out += utf8[pos];
        }
    }
    return out;
}

std::string RecordDate(std::string_view record) {
    const std::optional<RecordFields> fields = ReadRecord(record);
    return fields ? IsoDate(fields->date) : std::string(record.substr(0, 10));
}

void PrintNotes(std::string_view what, const std::vector<ImportNote> &notes) {
    for (const ImportNote &note : notes) {
        std::cout << what << ": line " << note.line << " (" << Escaped(note.date)
                  << "): " << Escaped(note.reason) << '\n';
    }
}

} // namespace

ExitCode RunImport(const ImportRequest &request) {
    ChangeRecording recording{request.history};
    const ImportResult result = ImportIntoJournal(request.journal, request.file, request.options,
                                                  request.preference, Durability::Fsync, &recording);
    if (!result.imported.error.empty()) {
        return Fail(ExitCode::Failure, "cannot import '" + request.file.string() + "': " +
                                           Escaped(result.imported.error) + "; the journal is unchanged");
    }
    if (result.merge.status != MergeStatus::Merged) {
        return Fail(ExitCode::Failure,
                    "cannot rewrite the journal '" + request.journal.string() +
                        "' (unreadable, locked by another program, or the folder is full or "
                        "read-only); it is unchanged");
    }
    const bool journalKept = request.preference == MergePreference::Journal;
    for (const MergeConflict &conflict : result.merge.report.conflicts) {
        std::cout << "conflict " << RecordDate(conflict.journalRecord) << ": journal \""
                  << Escaped(Cp1252ToUtf8(conflict.journalRecord)) << "\", imported \""
                  << Escaped(Cp1252ToUtf8(conflict.otherRecord)) << "\"; kept "
                  << (journalKept ? "journal" : "imported") << '\n';
    }
    PrintNotes("not imported", result.imported.skipped);
    PrintNotes("changed", result.imported.changed);
    const MergeCounts &counts = result.merge.report.counts;
    std::cout << "imported " << request.file.string() << ": " << counts.added << " added, "
              << counts.conflicts << (counts.conflicts == 1 ? " conflict" : " conflicts") << " (kept as the "
              << (journalKept ? "journal" : "imported file") << " has them), " << counts.same
              << " already in the journal, " << result.imported.skipped.size() << " not imported\n";
    return AfterRecording(recording, ExitCode::Success);
}

} // namespace plenta
