// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in for the handheld's clock: the day the program and the tool take for today.
#pragma once

#include <chrono>

namespace plenta {

// The local calendar date, the same clock as the date picker's default.
std::chrono::year_month_day LocalToday();

} // namespace plenta
