// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of the journal with records placed at their dates, which a save, a merge and an import all write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace plenta {

// Records to place, by date key, each the text of one line without its line end.
using PlacedRecords = std::map<std::int32_t, std::string>;

// Appends to `out` the journal `old` with `records` placed at their dates, each ending in CR LF. The first
// line is the header whatever it holds, so it is copied and never replaced; an empty journal gets the header
// first. A record goes before the first line whose date is the same or later, that date read by atoi even
// from a line that is no record, so a line that only looks like a record of the date stays just after the new
// one, for the user to mend by hand. The journal's records of a placed date, as the scan reads them, go;
// every other line stays byte for byte. Returns how many of the journal's records were left out that way.
std::size_t CopyWithRecordsPlaced(std::string_view old, const PlacedRecords &records, std::string &out);

// Whole lines by date key, each with its line end, in journal order.
using DatedLines = std::map<std::int32_t, std::vector<std::string>>;

// The same walk for lines given back from the history: every record of a date in `lines` goes and that date's
// lines go in where a record of it is placed, exactly as given (an empty list only removes). Putting back
// the lines a change replaced gives the journal's bytes as they were before it, where its records stood in
// date order.
void CopyWithLinesPlaced(std::string_view old, const DatedLines &lines, std::string &out);

} // namespace plenta
