// SPDX-License-Identifier: GPL-3.0-or-later
// Text from the imported file reaches the terminal with its control characters escaped, so a hostile file
// cannot retitle or clear the user's terminal.
#include "ImportCommand.h"

#include "HistoryCommands.h"
#include "UsageChecks.h"

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
        std::cout << Said(what, {std::to_string(note.line), Escaped(note.date), Escaped(note.reason)})
                  << '\n';
    }
}

} // namespace

ExitCode RunImport(const ImportRequest &request) {
    ChangeRecording recording{request.history};
    const ImportResult result = ImportIntoJournal(request.journal, request.file, request.options,
                                                  request.preference, Durability::Fsync, &recording);
    if (!result.imported.error.empty()) {
        return Fail(ExitCode::Failure,
                    Said(PLENTA_TEXT("plenta-journal",
                                     "kann '%1' nicht importieren: %2; das Tagebuch ist unverändert"),
                         {request.file.string(), Escaped(result.imported.error)}));
    }
    if (result.merge.status != MergeStatus::Merged) {
        return Fail(
            ExitCode::Failure,
            Said(PLENTA_TEXT("plenta-journal", "kann das Tagebuch '%1' nicht neu schreiben (unlesbar, von "
                                               "einem anderen Programm gesperrt, oder der Ordner ist voll "
                                               "oder schreibgeschützt); es ist unverändert"),
                 {request.journal.string()}));
    }
    const bool journalKept = request.preference == MergePreference::Journal;
    for (const MergeConflict &conflict : result.merge.report.conflicts) {
        std::cout << Said(PLENTA_TEXT("plenta-journal",
                                      "Konflikt %1: Tagebuch \"%2\", importiert \"%3\"; behalten: %4"),
                          {RecordDate(conflict.journalRecord), Escaped(Cp1252ToUtf8(conflict.journalRecord)),
                           Escaped(Cp1252ToUtf8(conflict.otherRecord)),
                           journalKept ? Said(PLENTA_TEXT("plenta-journal", "Tagebuch"))
                                       : Said(PLENTA_TEXT("plenta-journal", "importiert"))})
                  << '\n';
    }
    PrintNotes(PLENTA_TEXT("plenta-journal", "nicht importiert: Zeile %1 (%2): %3"), result.imported.skipped);
    PrintNotes(PLENTA_TEXT("plenta-journal", "geändert: Zeile %1 (%2): %3"), result.imported.changed);
    const MergeCounts &counts = result.merge.report.counts;
    std::cout
        << Said(PLENTA_TEXT("plenta-journal",
                            "importiert aus %1: %2 neu, %3 (%4), %5 schon im Tagebuch, %6 nicht importiert"),
                {request.file.string(), std::to_string(counts.added),
                 counts.conflicts == 1 ? std::string(Said(PLENTA_TEXT("plenta-journal", "1 Konflikt")))
                                       : Said(PLENTA_TEXT("plenta-journal", "%1 Konflikte"),
                                              {std::to_string(counts.conflicts)}),
                 journalKept ? Said(PLENTA_TEXT("plenta-journal", "wie im Tagebuch behalten"))
                             : Said(PLENTA_TEXT("plenta-journal", "wie in der importierten Datei behalten")),
                 std::to_string(counts.same), std::to_string(result.imported.skipped.size())})
        << '\n';
    return AfterRecording(recording, ExitCode::Success);
}

} // namespace plenta
