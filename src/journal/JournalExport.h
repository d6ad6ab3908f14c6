// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's records as rows for spreadsheets, scripts and backups. The export is a view: the journal
// stays the one source of truth and is never written here.
#pragma once

#include "journal/JournalTypes.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace plenta {

// One well-formed record as the scan reads it.
struct ExportRow {
    Date date;
    std::int32_t temperature = 0; // tenths
    std::uint8_t marks = 0;       // MARK_ bits
    std::string comment;          // UTF-8, the whole comment as the record reader takes it
    std::int32_t cycleDay = 0;    // the cycle day the scan gives the record, 0 outside a counted cycle
};

// Every record the scan counts, in journal order, read under the journal's shared lock by the scan's rules
// (the header is no record, nor a last line still being written). Nothing when the journal cannot be opened.
std::optional<std::vector<ExportRow>> ReadExportRows(const std::filesystem::path &journal);

// "2026-12-04".
std::string IsoDate(Date date);

// "36.5": whole degrees, a point and the tenths digit.
std::string TemperatureText(std::int32_t tenths);

inline constexpr char CSV_HEADER[] =
    "date,temperature,first_day,mucus,ovulation,intercourse,comment,cycle_day";

// The rows as CSV by RFC 4180: the header row first, CR LF after every row, a field quoted (its quotes
// doubled) when it holds a comma, a quote or a line break. A field beginning with =, +, -, @, a tab or a CR
// (a spreadsheet formula) or with an apostrophe gets one apostrophe in front.
std::string ToCsv(std::span<const ExportRow> rows);

} // namespace plenta
