// SPDX-License-Identifier: GPL-3.0-or-later
// Maps the scan's records field by field onto JSON, keeping the names the program uses for them.
#include "ShowJson.h"

#include "journal/FormSelection.h"

#include <nlohmann/json.hpp>

namespace plenta {
namespace {

nlohmann::ordered_json PointsToJson(const DayPointTable &table) {
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    for (std::int32_t i = 0; i < table.count && i < DAYPOINT_CAPACITY; ++i) {
        const DayPoint &point = table.points[static_cast<std::size_t>(i)];
        points.push_back(
            {{"cycleDay", point.cycleDay}, {"temperature", point.temperature}, {"marks", point.marks}});
    }
    return points;
}

nlohmann::ordered_json StatsToJson(const CycleStats &stats) {
    return {
        {"recordCount", stats.recordCount},
        {"spanDays", stats.spanDays},
        {"cycleCount", stats.cycleCount},
        {"averageCycleLength", stats.averageCycleLength},
        {"longestCycle", stats.longestCycle},
        {"mucusFirstDay", stats.mucusFirstDay},
        {"mucusLastDay", stats.mucusLastDay},
        {"ovulationCounts", stats.ovulationCounts},
        {"intercourseCounts", stats.intercourseCounts},
        {"todayCycleDay", stats.todayCycleDay},
        {"selectedCycleDay", stats.selectedCycleDay},
        {"statisticsText", stats.statisticsText},
    };
}

nlohmann::ordered_json SelectionToJson(const FormSelection &form) {
    const DaySelection &selection = form.selection;
    return {
        {"hasEntry", selection.hasEntry}, {"date", selection.date},   {"temperature", selection.temperature},
        {"comment", selection.comment},   {"marks", selection.marks}, {"commentItem", form.commentItem},
    };
}

// count, points, stats, selection (as the form shows it after the refresh) and comments, in that order.
nlohmann::ordered_json ScanToJson(const JournalScan &scan) {
    nlohmann::ordered_json json;
    json["count"] = scan.table.count;
    json["points"] = PointsToJson(scan.table);
    json["stats"] = StatsToJson(scan.stats);
    json["selection"] = SelectionToJson(FormSelectionOf(scan.selection, scan.comments));
    json["comments"] = scan.comments;
    return json;
}

} // namespace

std::string ScanToJsonText(const JournalScan &scan) {
    return ScanToJson(scan).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace plenta
