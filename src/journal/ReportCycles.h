// SPDX-License-Identifier: GPL-3.0-or-later
// Picks the cycles a printed report shows: the last counted cycles and the running one, each with its
// records.
#pragma once

#include "journal/JournalExport.h"

#include <span>
#include <vector>

namespace plenta {

struct ReportCycle {
    std::vector<ExportRow> rows; // from its first-day record up to the day before the next one
    int length = 0;              // days to the next first day; 0 for the running cycle
};

// The last `counted` cycles the statistics count (the next first day at most 34 days on, as the scan counts
// them) and the running cycle from the last first-day record, oldest first. Records before the first
// first-day record belong to no cycle.
std::vector<ReportCycle> PickReportCycles(std::span<const ExportRow> rows, int counted);

} // namespace plenta
