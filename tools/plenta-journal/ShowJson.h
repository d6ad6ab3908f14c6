// SPDX-License-Identifier: GPL-3.0-or-later
// The scan's results as JSON, the output of the show command.
#pragma once

#include "journal/JournalTypes.h"

#include <nlohmann/json.hpp>

#include <string>

namespace plenta {

// count, points, stats, selection (as the form shows it after the refresh) and comments, in that order.
nlohmann::ordered_json ScanToJson(const JournalScan &scan);

// The same, indented, as UTF-8 text; a byte sequence that is no UTF-8 is replaced instead of failing.
std::string ScanToJsonText(const JournalScan &scan);

} // namespace plenta
