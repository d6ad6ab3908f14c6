// SPDX-License-Identifier: GPL-3.0-or-later
// Reads comma-separated text by RFC 4180 into rows of fields. It knows nothing of what the columns mean; the
// import gives them their meaning.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plenta {

struct CsvRow {
    std::size_t line = 0; // the text line the row begins on, counted from 1
    std::vector<std::string> fields;
};

struct CsvTable {
    std::vector<CsvRow> rows;
    std::string error; // empty when the text read as CSV; else what is wrong and where
};

// Fields are separated by commas and rows by CR LF or a bare LF; a quoted field may hold commas, line breaks
// and doubled quotes. A blank line is no row. A quote that is never closed, or text after a closing quote,
// is an error, since guessing there would shift every later field.
CsvTable ReadCsv(std::string_view text);

} // namespace plenta
