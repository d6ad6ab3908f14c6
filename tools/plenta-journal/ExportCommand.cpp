// SPDX-License-Identifier: GPL-3.0-or-later
// Formats the journal library's export rows; CSV comes from the library, JSON from nlohmann-json here.
#include "ExportCommand.h"

#include "ExportFile.h"
#include "FailureCause.h"
#include "UsageChecks.h"

#include "journal/JournalExport.h"
#include "journal/JournalText.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace plenta {
namespace {

std::string ToJson(const std::vector<ExportRow> &rows) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const ExportRow &row : rows) {
        json.push_back({
            {"date", IsoDate(row.date)},
            {"temperature", row.temperature / 10.0},
            {"first_day", (row.marks & MARK_FIRST_DAY) != 0},
            {"mucus", (row.marks & MARK_MUCUS) != 0},
            {"ovulation", (row.marks & MARK_OVULATION) != 0},
            {"intercourse", (row.marks & MARK_INTERCOURSE) != 0},
            {"comment", row.comment},
            {"cycle_day", row.cycleDay},
        });
    }
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

} // namespace

ExitCode RunExport(const std::filesystem::path &journal, ExportFormat format,
                   const std::optional<std::filesystem::path> &out) {
    const std::optional<std::vector<ExportRow>> rows = ReadExportRows(journal);
    if (!rows) {
        return CannotOpenJournal(
            journal, journal,
            Said(PLENTA_TEXT("plenta-journal", "ist nicht lesbar (unlesbar, keine gewöhnliche "
                                               "Datei, größer als %1 MiB oder von einem "
                                               "anderen Programm gesperrt)"),
                 {std::to_string(MAX_READ_BYTES >> 20)}));
    }
    const std::string text = format == ExportFormat::Json ? ToJson(*rows) : ToCsv(*rows);
    if (!out) {
        std::cout << text << std::flush;
        return std::cout ? ExitCode::Success
                         : Fail(ExitCode::Failure,
                                Said(PLENTA_TEXT("plenta-journal",
                                                 "kann den Export nicht auf die Standardausgabe schreiben")));
    }
    if (const std::optional<std::string> refused = WriteExportFile(*out, text, journal)) {
        return Fail(ExitCode::Failure,
                    Said(PLENTA_TEXT("plenta-journal", "kann den Export nicht nach '%1' schreiben: %2"),
                         {out->string(), *refused}));
    }
    return ExitCode::Success;
}

} // namespace plenta
