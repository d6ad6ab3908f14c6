// SPDX-License-Identifier: GPL-3.0-or-later
// Cycles are cut at first-day records in journal order, which the save keeps in date order; a cycle longer
// than the counter's 35 days is no counted cycle and is left out like the statistics leave it out.
#include "journal/ReportCycles.h"

#include "journal/DayNumbers.h"

namespace plenta {

std::vector<ReportCycle> PickReportCycles(std::span<const ExportRow> rows, int counted) {
    std::vector<ReportCycle> all;
    for (const ExportRow &row : rows) {
        if ((row.marks & MARK_FIRST_DAY) != 0) {
            if (!all.empty()) {
                all.back().length =
                    static_cast<int>(DayNumber(row.date) - DayNumber(all.back().rows.front().date));
            }
            all.emplace_back();
        }
        if (!all.empty()) {
            all.back().rows.push_back(row);
        }
    }
    std::vector<ReportCycle> picked;
    if (all.empty()) {
        return picked;
    }
    for (auto cycle = all.rbegin() + 1; cycle != all.rend() && static_cast<int>(picked.size()) < counted;
         ++cycle) {
        if (cycle->length >= 1 && cycle->length < MAX_CYCLE_DAY) {
            picked.insert(picked.begin(), *cycle);
        }
    }
    picked.push_back(all.back());
    return picked;
}

} // namespace plenta
