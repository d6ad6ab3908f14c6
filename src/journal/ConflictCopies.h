// SPDX-License-Identifier: GPL-3.0-or-later
// Recognises the copies that sync services leave beside the journal when two devices changed it while apart,
// by the naming schemes of Syncthing, Nextcloud/ownCloud and Dropbox, for the journal's own name only.
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace plenta {

// SyncthingVersion: a copy of the journal or of a conflict copy that Syncthing's file versioning kept in
// ".stversions" when it replaced or removed the file.
enum class ConflictScheme { Syncthing, Nextcloud, Dropbox, SyncthingVersion };

struct ConflictCopy {
    std::filesystem::path path;
    ConflictScheme scheme;
};

// "syncthing", "nextcloud", "dropbox" or "syncthing-version", for scripts.
std::string_view SchemeName(ConflictScheme scheme);

// Which scheme `fileName` is a conflict copy of `journalName` ("plenta.txt") by, or nothing:
//   plenta.sync-conflict-20261204-101112-ABCDEFG.txt
//   plenta (conflicted copy 2026-12-04 101112).txt   (with an optional user name before the date)
//   plenta (Anna's conflicted copy 2026-12-04).txt   (with an optional " (1)" after the date)
std::optional<ConflictScheme> ConflictSchemeOf(std::string_view fileName, std::string_view journalName);

// A name beside `journal` in the first scheme for a copy this program sets aside itself, stamped with the
// local time `when`, so that it is found and merged like any sync service's copy. `counter` (0 to
// SET_ASIDE_NAMES - 1) tells apart the copies set aside within one second.
std::filesystem::path SetAsideCopyName(const std::filesystem::path &journal, std::time_t when,
                                       int counter = 0);

// How many set-aside names one second has.
inline constexpr int SET_ASIDE_NAMES = 36 * 36;

// Whether `file` lies in a ".stversions" folder: a kept version, which is merged but never removed.
bool IsKeptVersion(const std::filesystem::path &file);

// The regular files beside the journal that are conflict copies of it, sorted by name, then the kept versions
// in ".stversions" beside it, sorted by name. A folder that cannot be listed has none.
std::vector<ConflictCopy> FindConflictCopies(const std::filesystem::path &journal);

} // namespace plenta
