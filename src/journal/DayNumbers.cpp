// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers counted from the handheld's epoch, 1 January 1601.
#include "journal/DayNumbers.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace plenta {

namespace {

constexpr std::chrono::sys_days DAY_ZERO{std::chrono::year{1601} / std::chrono::January / 1};

} // namespace

std::int64_t DayNumber(Date date) {
    return (std::chrono::sys_days{date} - DAY_ZERO).count();
}

std::int32_t CycleDayOf(Date firstDay, Date date) {
    return CycleDayOf(DayNumber(firstDay), date);
}

std::int32_t CycleDayOf(std::int64_t firstDayNumber, Date date) {
    const std::int64_t difference = DayNumber(date) - firstDayNumber;
    return difference >= 0 ? static_cast<std::int32_t>(std::min<std::int64_t>(difference + 1, INT32_MAX)) : 0;
}

} // namespace plenta
