// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the whole journal once and derives the chart items, the cycle statistics and the picked date's state.
#pragma once

#include "journal/JournalTypes.h"

#include <filesystem>
#include <optional>
#include <string>

namespace plenta {

// Why a scan found no journal to read, for a caller that can say more than the window: the file it tried
// (the journal's target) and the reason in words.
struct LoadFailure {
    std::filesystem::path file;
    std::string reason;
};

// Scans the journal for the picked date, with `today` standing for the clock. Returns nothing when the
// journal cannot be opened (missing, unreadable, or locked by another writer for more than a second) and
// fills `failure`, when given; the caller then keeps the results of its previous scan.
std::optional<JournalScan> LoadJournal(const std::filesystem::path &journal, Date picked, Date today,
                                       LoadFailure *failure = nullptr);

// "%d/%02d/%02d": the year unpadded, month and day with two digits; the text the selection keeps for the
// picked date and recognises its lines by.
std::string SelectionDateText(Date date);

} // namespace plenta
