// SPDX-License-Identifier: GPL-3.0-or-later
// Synthetic journals for the benchmarks: realistic cycles, marks and comments, written as the program writes
// them.
#pragma once

#include "journal/JournalTypes.h"

#include <filesystem>
#include <string>
#include <vector>

namespace plenta::bench {

// One day's record; the comment is UTF-8 here and Windows-1252 in the file.
struct SyntheticRecord {
    Date date;
    int temperature = DEFAULT_TEMPERATURE;
    std::string marks;
    std::string comment;
};

// `count` records in ascending date order from `first` on: cycles of 26 to 32 days, a forgotten day now and
// then, mucus and ovulation marks around mid-cycle, some intercourse marks and a few comments. The same count
// always gives the same records.
std::vector<SyntheticRecord> SyntheticRecords(int count,
                                              Date first = Date{std::chrono::year{1800}, std::chrono::January,
                                                                std::chrono::day{1}});

// The journal file's bytes: the header and one CR LF line per record, in Windows-1252.
std::string JournalBytes(const std::vector<SyntheticRecord> &records);

// Replaces `file` with `bytes`; false when the file cannot be written completely.
bool WriteFileBytes(const std::filesystem::path &file, const std::string &bytes);

} // namespace plenta::bench
