// SPDX-License-Identifier: GPL-3.0-or-later
// Today's record as the journal holds it, for tests that save through the form or the keys and then compare
// the journal byte for byte.
#pragma once

#include <ctime>
#include <string>

namespace plenta::test {

// The local date as yyyy/MM/dd followed by `rest` (from the temperature's comma to the line's end). It reads
// the clock itself rather than the program's today, so a wrong local date in the program shows.
inline std::string TodayRecord(const std::string &rest) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char date[16];
    std::strftime(date, sizeof date, "%Y/%m/%d", &local);
    return date + rest;
}

} // namespace plenta::test
