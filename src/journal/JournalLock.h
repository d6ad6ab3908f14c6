// SPDX-License-Identifier: GPL-3.0-or-later
// The advisory lock that keeps two processes from interleaving a scan and a rewrite of the same journal.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace plenta {

// ".<file name><suffix>" in the file's own folder: the journal's lock file and its temporary copy lie there.
std::filesystem::path HiddenCompanionOf(const std::filesystem::path &file, std::string_view suffix);
// The same as text, for a caller that only hands it to the system.
std::string HiddenCompanionName(const std::filesystem::path &file, std::string_view suffix);

enum class LockMode { Shared, Exclusive };

// Holds flock on ".<journal name>.lock" beside the journal, never on the journal itself: a rewrite renames a
// new file over the journal, and a lock on the old inode would no longer guard the new one. The lock file is
// never reached through a symlink and must be a regular file; anything else in its place counts as a lock
// file that cannot be made.
class JournalLock {
public:
    // `journal` is the journal's resolved target (ResolveJournalTarget), so that every path leading to one
    // journal meets at one lock. Waits at most a second for the lock; Held() tells whether it was had.
    JournalLock(const std::filesystem::path &journal, LockMode mode);
    ~JournalLock();
    JournalLock(const JournalLock &) = delete;
    JournalLock &operator=(const JournalLock &) = delete;

    bool Held() const { return held_; }
    // The lock file could not even be created (a read-only folder, a link or a FIFO in its place): nobody can
    // rewrite the journal there.
    bool Unavailable() const { return fd_ < 0; }
    // Why the lock file could not be opened (an errno value), when Unavailable().
    int OpenError() const { return openError_; }

    // The lock file of a journal path, at its resolved target.
    static std::filesystem::path LockPathOf(const std::filesystem::path &journal);

private:
    int fd_ = -1;
    int openError_ = 0;
    bool held_ = false;
};

} // namespace plenta
