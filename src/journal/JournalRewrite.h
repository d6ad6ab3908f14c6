// SPDX-License-Identifier: GPL-3.0-or-later
// The crash-safe replacement of the journal that every command changing it goes through.
#pragma once

#include <cstddef>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace plenta {

// Whether a rewrite waits for the disk. Only a benchmark measuring the copy itself turns it off.
enum class Durability { Fsync, NoFsync };

// What a rewrite does when there is no journal yet.
enum class MissingJournal { Create, Refuse };

enum class RewriteStatus {
    // The new content has replaced the journal (or created it).
    Written,
    // No journal and MissingJournal::Refuse: nothing was written.
    Missing,
    // The journal exists but cannot be read, is no regular file, or its lock was not had in time.
    Unreadable,
    // The new content could not be stored, or the journal kept changing under other programs' hands; the
    // journal is exactly as it was.
    WriteFailed,
    // The transform threw RewriteDeclined: the journal, read under the lock, must not change after all.
    Declined,
};

// Thrown by a transform that finds, under the lock, that the journal must be left as it is (an undo whose
// dates another program changed since). Nothing is written.
class RewriteDeclined : public std::exception {
public:
    const char *what() const noexcept override { return "the rewrite was declined"; }
};

// Runs after the new journal is published and synced, while the lock is still held, so that what it records
// (the history of changes) follows the journal's changes in their order. Never runs for an unwritten journal.
using PublishedHook = std::function<void()>;

// Why a rewrite did not write, for a caller that can say more than the window's one message: the file that
// failed (the journal, its lock file or its temporary file) and the system's error or the reason in words.
struct RewriteFailure {
    std::filesystem::path file;
    std::string reason;
};

// Builds the new content from the old one; `old` is empty for a missing journal.
using JournalTransform = std::function<void(std::string_view old, std::string &out)>;

// Resolves a symlinked journal to its target and, under the exclusive lock beside that target: reads the
// journal whole, lets `transform` build the new content, writes it to ".<journal name>.tmp" beside the target
// with the journal's owner, group and permission bits, checks every write, syncs it, renames it over the
// journal and syncs the folder. Other programs write the journal without the lock, so the journal's identity
// and state are compared when it is opened, after it is read and just before the rename, and the rewrite
// starts over when they differ; a journal that was missing is published only if no file appeared meanwhile.
// On any failure the temporary file is removed, the journal left untouched and `failure`, when given, says
// why. A temporary file left by a crash is replaced. `transform` may run more than once; the content of its
// last run is the one published. `published`, when given, runs once the journal is written.
RewriteStatus RewriteJournal(const std::filesystem::path &journal, MissingJournal missing,
                             Durability durability, const JournalTransform &transform,
                             RewriteFailure *failure = nullptr, const PublishedHook &published = {});

// The largest journal a rewrite takes into memory, some 400,000 records; a larger one (a runaway line, a
// sparse file) is left as it is and reported, so that a save's memory stays bounded.
inline constexpr std::size_t MAX_REWRITE_BYTES = std::size_t{16} << 20;

// Where the rewrite of `journal` puts its temporary file.
std::filesystem::path TemporaryPathOf(const std::filesystem::path &journal);

} // namespace plenta
