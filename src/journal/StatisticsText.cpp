// SPDX-License-Identifier: GPL-3.0-or-later
// Fills the "%d" places of the statistics format in order; the format is UTF-8 text, so no printf is needed.
#include "journal/StatisticsText.h"

#include <StringTable.h>

#include <array>
#include <string_view>

namespace plenta {

std::string StatisticsText(const CycleStats &stats) {
    return StatisticsText(stats, LoadText(StringId::StatisticsFormat), LoadText(StringId::NextPeriodUnknown));
}

std::string StatisticsText(const CycleStats &stats, std::string_view format, std::string_view unknownLine) {
    const std::array<std::int64_t, 5> numbers{
        stats.recordCount,
        stats.spanDays,
        stats.cycleCount,
        stats.averageCycleLength,
        std::int64_t{stats.averageCycleLength} - stats.todayCycleDay,
    };
    // Without a counted cycle there is no average to count the next period from: its line says so instead
    // of a number of days that would follow from an average of 0.
    const bool unknown = stats.cycleCount == 0;
    if (unknown) {
        format = format.substr(0, format.rfind('\n') + 1);
    }
    std::string text;
    // Room for the format and five numbers of any size: one allocation.
    text.reserve(format.size() + numbers.size() * 20);
    std::size_t next = 0;
    for (std::size_t place = format.find("%d"); place != std::string_view::npos && next < numbers.size();
         place = format.find("%d")) {
        text += format.substr(0, place);
        text += std::to_string(numbers[next++]);
        format.remove_prefix(place + 2);
    }
    text += format;
    if (unknown) {
        text += unknownLine;
    }
    return text;
}

} // namespace plenta
