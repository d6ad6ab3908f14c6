// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers: the handheld's count of days, and a date's day within a cycle.
#pragma once

#include "journal/JournalTypes.h"

#include <cstdint>

namespace plenta {

// Days since 1 January 1601 (the handheld's day numbers).
std::int64_t DayNumber(Date date);

// The cycle day of `date` in the cycle that began on `firstDay`: date - firstDay + 1, or 0 before it.
std::int32_t CycleDayOf(Date firstDay, Date date);
// The same with the first day given by its day number.
std::int32_t CycleDayOf(std::int64_t firstDayNumber, Date date);

} // namespace plenta
