// Reads the whole journal once and derives the chart items, the cycle statistics and the picked date's state.
#pragma once

#include "JournalTypes.h"

#include <filesystem>
#include <optional>
#include <string>

namespace plenta {

// Scans the journal for the picked date, with `today` standing for the clock. Returns nothing when the
// journal cannot be opened (missing, unreadable, or locked by another writer for more than a second); the
// caller then keeps the results of its previous scan.
std::optional<JournalScan> LoadJournal(const std::filesystem::path &journal, Date picked, Date today);

// "%d/%02d/%02d": the year unpadded, month and day with two digits; the text the selection keeps for the
// picked date and recognises its lines by.
std::string SelectionDateText(Date date);

} // namespace plenta
