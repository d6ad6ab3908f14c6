// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up offer to bring back records Plenta wrote that have vanished from the journal (a sync client
// kept only another device's file, an editor wrote back what it read before a save). The finding and the
// restoring are the journal library's, from the local history; this asks, and reports.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

class QWidget;

namespace plenta {

// Reads the history and the journal once. With nothing missing (or a history or journal that cannot be
// read: the question would have nothing sure to offer) it asks nothing. On "Ja" restores every missing date
// (a date that gained a record meanwhile is left alone), calls `rescan` and says how many came back; on
// "Nein" nothing changes and the next start asks again. Returns whether it asked.
bool OfferMissingRestore(QWidget *owner, const std::filesystem::path &journal,
                         const std::filesystem::path &history, std::string_view caption,
                         const std::function<void()> &rescan);

} // namespace plenta
