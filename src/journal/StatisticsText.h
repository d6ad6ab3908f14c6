// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the statistics box, made from the results of a scan.
#pragma once

#include "journal/JournalTypes.h"

#include <string>
#include <string_view>

namespace plenta {

// The string-table format 61215 filled with the record count, the span, the cycles, the average cycle length
// and the days until the next expected period (average - today's cycle day); with no counted cycle the last
// line reads "Nächste Periode: unbekannt".
std::string StatisticsText(const CycleStats &stats);

// The same with another language's format (five "%d" in the same order, the last one on the last line) and
// last line for no counted cycle.
std::string StatisticsText(const CycleStats &stats, std::string_view format, std::string_view unknownLine);

} // namespace plenta
