// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the rewrites of a journal: each one renames a finished copy onto the journal's name (or publishes a
// new journal there), which inotify reports however quickly the rewrites follow each other.
#pragma once

#include <filesystem>
#include <string>

namespace plenta::e2e {

class JournalWatch {
public:
    explicit JournalWatch(const std::filesystem::path &journal);
    ~JournalWatch();
    JournalWatch(const JournalWatch &) = delete;
    JournalWatch &operator=(const JournalWatch &) = delete;

    bool Watching() const { return watch_ >= 0; }
    // Rewrites since the watch began.
    int Rewrites();

private:
    int fd_ = -1;
    int watch_ = -1;
    std::string name_;
    int rewrites_ = 0;
};

} // namespace plenta::e2e
