// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up offer to merge the conflict copies a sync service left beside the journal. The finding and the
// merging are the journal library's; this asks, and reports.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace plenta {

// Only copies holding a record the journal lacks are offered: after a merge, or with nothing new in them,
// the question would have no point. Keeps the start cheap without copies: one listing of the journal's
// folder. On "Ja" merges them (the journal's record stays where a date differs), calls `rescan` and shows the
// summary; on "Nein" nothing changes and the next start asks again. Returns whether it asked.
// The merge is recorded in `history`, so that it can be undone.
bool OfferConflictMerge(QWidget *owner, const std::filesystem::path &journal,
                        const std::filesystem::path &history, std::string_view caption,
                        const std::function<void()> &rescan);

// The box's question and the summary after a merge, in the program's words.
std::string ConflictQuestion(int copies);

} // namespace plenta
