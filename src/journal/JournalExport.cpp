// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the journal with the scan's record reader and cycle counter, so every exported row shows what the
// chart and the form show for that record.
#include "journal/JournalExport.h"

#include "journal/CarriedLines.h"
#include "journal/CodePage.h"
#include "journal/CycleCounter.h"
#include "journal/JournalRecord.h"
#include "journal/JournalText.h"

#include <utility>

namespace plenta {

namespace {

// A spreadsheet runs a cell that begins with one of these as a formula; a comment can arrive from another
// device through the synced journal, so it is never trusted to be plain text.
constexpr std::string_view FORMULA_STARTS = "=+-@\t\r";

void AppendCsvField(std::string &out, std::string_view field) {
    // One apostrophe in front makes the cell text; an apostrophe of the comment's own gets one too, so the
    // import can always remove exactly one.
    const bool guarded = !field.empty() && (FORMULA_STARTS.find(field.front()) != std::string_view::npos ||
                                            field.front() == '\'');
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += guarded ? "'" : "";
        out += field;
        return;
    }
    out += guarded ? "\"'" : "\"";
    for (const char c : field) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

char Flag(std::uint8_t marks, std::uint8_t mark) {
    return (marks & mark) != 0 ? '1' : '0';
}

} // namespace

std::optional<std::vector<ExportRow>> ReadExportRows(const std::filesystem::path &journal) {
    const std::optional<std::string> text = ReadJournalText(journal, MissingText::Fails);
    if (!text) {
        return std::nullopt;
    }
    std::vector<ExportRow> rows;
    DayPointTable points;
    CycleCounter counter(points);
    bool header = true;
    ForEachCarriedLine(*text, [&](std::string_view line) {
        const std::optional<RecordFields> record =
            std::exchange(header, false) ? std::nullopt : RecordOfLine(line);
        if (!record) {
            return;
        }
        counter.Add(record->dayNumber, record->temperature, record->marks);
        rows.push_back({record->date, record->temperature, record->marks, Cp1252ToUtf8(record->comment),
                        counter.LastCycleDay()});
    });
    return rows;
}

std::string IsoDate(Date date) {
    std::string text = FormatDate(DateStyle::Record, date);
    text[4] = '-';
    text[7] = '-';
    return text;
}

std::string TemperatureText(std::int32_t tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string ToCsv(std::span<const ExportRow> rows) {
    std::string out = CSV_HEADER;
    out += "\r\n";
    for (const ExportRow &row : rows) {
        out += IsoDate(row.date);
        out += ',';
        out += TemperatureText(row.temperature);
        for (const std::uint8_t mark : {MARK_FIRST_DAY, MARK_MUCUS, MARK_OVULATION, MARK_INTERCOURSE}) {
            out += ',';
            out += Flag(row.marks, mark);
        }
        out += ',';
        AppendCsvField(out, row.comment);
        out += ',';
        out += std::to_string(row.cycleDay);
        out += "\r\n";
    }
    return out;
}

} // namespace plenta
