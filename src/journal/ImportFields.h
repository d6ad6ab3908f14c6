// SPDX-License-Identifier: GPL-3.0-or-later
// The field readers both import formats share: dates, comments and the record line a row becomes.
#pragma once

#include "journal/CsvReader.h"
#include "journal/JournalImport.h"
#include "journal/JournalTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plenta {

// "YYYY-MM-DD" exactly, a calendar date from 1601 (before it no line is a record) to 9999.
std::optional<Date> ParseImportDate(std::string_view text);

// A comment converted to Windows-1252 and back to UTF-8 for the record writer: characters 1252 lacks become
// '?' and are named in `lost`; with `maxChars` the text is cut there (and `cut` says so).
struct ImportComment {
    std::string text;
    std::string lost;
    bool cut = false;
};
ImportComment ConvertComment(std::string_view utf8, std::optional<std::size_t> maxChars);

// Adds the row's record (a later row of a date replaces an earlier one, as in the scan) and notes a comment
// that lost characters.
void AddImportedRecord(ImportedRecords &imported, const CsvRow &row, std::string_view dateText, Date date,
                       std::int32_t temperature, std::uint8_t marks, const ImportComment &comment);

// "line 3: ..." for an error that refuses the whole file.
std::string RowError(const CsvRow &row, std::string_view what);

} // namespace plenta
