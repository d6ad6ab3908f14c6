// SPDX-License-Identifier: GPL-3.0-or-later
// Write-then-rename: the journal is never deleted or truncated, so a crash or a full disk at any point leaves
// either the old journal or the complete new one. Other programs (an editor, a sync client) write the journal
// without our lock, so every attempt checks that the journal it read is still the journal it replaces.
#include "journal/JournalRewrite.h"

#include "journal/ConflictCopies.h"
#include "journal/FileDescriptor.h"
#include "journal/JournalLinks.h"
#include "journal/JournalLock.h"
#include "journal/JournalTarget.h"
#include "journal/ReadLease.h"
#include "journal/ReasonText.h"
#include "journal/WriterWait.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace plenta {

namespace {

// Whether an attempt found a journal to replace or publishes the first one.
enum class JournalState { Missing, Existing };

// Attempts before a journal that keeps changing is given up on, each after a change was seen.
constexpr int MAX_ATTEMPTS = 6;

// What another program's write changes: the file in the journal's place and its size and times.
struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t mtimeNs = 0;
    std::int64_t ctimeNs = 0;

    bool operator==(const FileState &) const = default;
};

FileState StateOf(const struct stat &info) {
    return {info.st_dev, info.st_ino, info.st_size, Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim)};
}

std::string SystemError(int error) {
    return std::generic_category().message(error);
}

// An empty journal or one that stops inside a line may be an editor's write that is not finished.
bool LooksUnfinished(std::string_view content) {
    return content.empty() || content.back() != '\n';
}

// Reads to the end, but never more than one byte beyond `limit`.
bool ReadUpTo(int fd, std::size_t limit, std::string &content) {
    char block[64 * 1024];
    while (content.size() <= limit) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got > 0) {
            content.append(block, static_cast<std::size_t>(got));
        } else if (got == 0) {
            return true;
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Whether the open journal still holds exactly `old`. Its size and times alone can miss an editor's rewrite
// of as many bytes within one tick of the clock that stamps them.
bool StillHolds(int fd, std::string_view old) {
    char block[64 * 1024];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, block, sizeof block, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0 && old.empty();
        }
        const auto size = static_cast<std::size_t>(got);
        if (size > old.size() || old.compare(0, size, std::string_view(block, size)) != 0) {
            return false;
        }
        old.remove_prefix(size);
        offset += got;
    }
}

// The old journal's owner and group where the system lets us give the file away (root may; a user may pick a
// group of their own), and its permission bits; but set-user-id and set-group-id only on a file that kept its
// owner and group, or a user-planted program would become another user's.
bool KeepOwnerAndMode(int fd, const struct stat &old) {
    mode_t mode = old.st_mode & 07777;
    struct stat made {};
    if (::fstat(fd, &made) != 0) {
        return false;
    }
    if (made.st_uid != old.st_uid || made.st_gid != old.st_gid) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
        if (::fstat(fd, &made) != 0) {
            return false;
        }
        if (made.st_uid != old.st_uid || made.st_gid != old.st_gid) {
            mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
        }
    }
    return ::fchmod(fd, mode) == 0;
}

// Hands back `status`, noting in `failure` (when given) which file failed and why.
RewriteStatus Report(RewriteFailure *failure, RewriteStatus status, const std::filesystem::path &file,
                     std::string reason) {
    if (failure != nullptr) {
        failure->file = file;
        failure->reason = std::move(reason);
    }
    return status;
}

void SyncFolderOf(const std::filesystem::path &file) {
    // The rename is done and the new journal complete; a folder that cannot be synced is no reason to report
    // the save as failed, since the journal is not "as it was" any more.
    FileDescriptor folder(::open(file.parent_path().empty() ? "." : file.parent_path().c_str(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) {
        ::fsync(folder.Get());
    }
}

// One rewrite of one resolved journal, tried again while other programs change the journal under it.
class Rewrite {
public:
    Rewrite(const std::filesystem::path &target, MissingJournal missing, Durability durability,
            const JournalTransform &transform, RewriteFailure *failure)
        : target_(target)
        , temp_(HiddenCompanionOf(target, ".tmp"))
        , missing_(missing)
        , durability_(durability)
        , transform_(transform)
        , failure_(failure) {}

    RewriteStatus Run() {
        for (int attempt = 0; attempt < MAX_ATTEMPTS; ++attempt) {
            writerHeldOn_ = false;
            if (const std::optional<RewriteStatus> status = Attempt()) {
                return *status;
            }
        }
        return Fail(
            RewriteStatus::WriteFailed, target_,
            writerHeldOn_
                ? ReasonText(PLENTA_TEXT(
                      "journal",
                      "wird von einem anderen Programm zum Schreiben offen gehalten; es blieb, wie es war"))
                : ReasonText(PLENTA_TEXT(
                      "journal",
                      "wurde immer wieder von einem anderen Programm geändert; es blieb, wie es war")));
    }

private:
    RewriteStatus Fail(RewriteStatus status, const std::filesystem::path &file, std::string reason) {
        return Report(failure_, status, file, std::move(reason));
    }

    // The status to end with, or nothing to start over.
    std::optional<RewriteStatus> Attempt() {
        FileDescriptor in(OpenRegularForReading(target_));
        struct stat opened {};
        JournalState state = JournalState::Existing;
        std::string old;
        if (in.Get() < 0) {
            if (errno != ENOENT) {
                return Fail(RewriteStatus::Unreadable, target_,
                            ReasonText(PLENTA_TEXT("journal", "kann nicht geöffnet werden: %1"),
                                       {SystemError(errno)}));
            }
            struct stat folder {};
            const std::filesystem::path parent = target_.parent_path().empty() ? "." : target_.parent_path();
            if (::stat(parent.c_str(), &folder) == 0) {
                if (const std::chrono::nanoseconds wait = QuietLeft(StateOf(folder).ctimeNs);
                    wait.count() > 0) {
                    std::this_thread::sleep_for(wait);
                    return std::nullopt;
                }
            }
            if (missing_ == MissingJournal::Refuse) {
                return RewriteStatus::Missing;
            }
            state = JournalState::Missing;
        } else {
            if (::fstat(in.Get(), &opened) != 0) {
                return Fail(RewriteStatus::Unreadable, target_,
                            ReasonText(PLENTA_TEXT("journal", "kann nicht gelesen werden: %1"),
                                       {SystemError(errno)}));
            }
            // A journal the user made read-only stays so, though its folder would let a rename replace it:
            // the permission is the user's word that the file must not change. The kernel answers (access),
            // so an ACL counts as well as the permission bits, and root, whom the kernel lets write any file,
            // may.
            if (::access(target_.c_str(), W_OK) != 0) {
                return Fail(RewriteStatus::WriteFailed, target_,
                            ReasonText(PLENTA_TEXT("journal",
                                                   "darf nicht geschrieben werden: %1; es blieb, wie es war"),
                                       {SystemError(errno)}));
            }
            if (static_cast<std::uint64_t>(opened.st_size) > MAX_REWRITE_BYTES) {
                return Fail(
                    RewriteStatus::WriteFailed, target_,
                    ReasonText(
                        PLENTA_TEXT(
                            "journal",
                            "ist größer als %1 MiB, mehr als ein Tagebuch fassen kann; es blieb, wie es war"),
                        {std::to_string(MAX_REWRITE_BYTES >> 20)}));
            }
            old.reserve(static_cast<std::size_t>(opened.st_size));
            if (!ReadUpTo(in.Get(), MAX_REWRITE_BYTES, old)) {
                return Fail(RewriteStatus::Unreadable, target_,
                            ReasonText(PLENTA_TEXT("journal", "kann nicht gelesen werden: %1"),
                                       {SystemError(errno)}));
            }
            struct stat read {};
            if (::fstat(in.Get(), &read) != 0 || StateOf(read) != StateOf(opened) ||
                old.size() != static_cast<std::size_t>(opened.st_size)) {
                return std::nullopt;
            }
            if (const std::chrono::nanoseconds wait =
                    WaitForWriter(in.Get(), LooksUnfinished(old), StateOf(opened).ctimeNs);
                wait.count() > 0) {
                std::this_thread::sleep_for(wait);
                return std::nullopt;
            }
        }
        std::string content;
        content.reserve(old.size() + 128);
        transform_(old, content);
        // A journal beyond the bound could not be read back by the next save or delete: a merge of a huge
        // copy is refused here, before anything is written.
        if (content.size() > MAX_REWRITE_BYTES) {
            return Fail(
                RewriteStatus::WriteFailed, target_,
                ReasonText(
                    PLENTA_TEXT(
                        "journal",
                        "würde größer als %1 MiB, mehr als ein Tagebuch fassen kann; es blieb, wie es war"),
                    {std::to_string(MAX_REWRITE_BYTES >> 20)}));
        }
        if (!WriteTemporary(content, state, opened)) {
            return RewriteStatus::WriteFailed;
        }
        return Publish(in.Get(), old, state, opened);
    }

    bool WriteTemporary(std::string_view content, JournalState state, const struct stat &old) {
        if (::unlink(temp_.c_str()) != 0 && errno != ENOENT) {
            Fail(RewriteStatus::WriteFailed, temp_,
                 ReasonText(PLENTA_TEXT("journal", "kann als alte temporäre Datei nicht entfernt werden: %1"),
                            {SystemError(errno)}));
            return false;
        }
        // A new journal gets the usual permissions less the umask; an existing one keeps its exact bits.
        FileDescriptor out(::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                  state == JournalState::Existing ? 0600 : 0666));
        if (out.Get() < 0) {
            Fail(RewriteStatus::WriteFailed, temp_,
                 ReasonText(PLENTA_TEXT("journal", "kann als temporäre Datei nicht angelegt werden: %1"),
                            {SystemError(errno)}));
            return false;
        }
        const bool written = (state == JournalState::Missing || KeepOwnerAndMode(out.Get(), old)) &&
                             WriteAll(out.Get(), content) &&
                             (durability_ == Durability::NoFsync || ::fsync(out.Get()) == 0) && out.Close();
        if (!written) {
            const int error = errno;
            ::unlink(temp_.c_str());
            Fail(RewriteStatus::WriteFailed, temp_,
                 ReasonText(PLENTA_TEXT("journal", "kann als temporäre Datei nicht geschrieben werden: %1"),
                            {SystemError(error)}));
        }
        return written;
    }

    // Puts the temporary file in the journal's place, unless the journal is no longer the one that was read.
    std::optional<RewriteStatus> Publish(int in, std::string_view old, JournalState state,
                                         const struct stat &opened) {
        if (state == JournalState::Existing) {
            // Held from this last look through the swap, the lease keeps an editor from writing the old
            // journal in between: one that tries waits until the new journal stands in its place.
            ReadLease lease(in);
            if (lease.Found() == Writers::Some) {
                // Another program has the journal open for writing, maybe just let go by the lease of an
                // attempt before: whatever it writes goes to the file it opened, which a swap would set aside
                // and remove. It is given a moment to finish.
                ::unlink(temp_.c_str());
                writerHeldOn_ = true;
                std::this_thread::sleep_for(WRITER_PAUSE);
                return std::nullopt;
            }
            struct stat now {};
            if (::stat(target_.c_str(), &now) != 0 || StateOf(now) != StateOf(opened) ||
                !StillHolds(in, old)) {
                ::unlink(temp_.c_str());
                return std::nullopt;
            }
            if (const std::optional<RewriteStatus> replaced = Replace(in, old, opened, lease);
                replaced != RewriteStatus::Written) {
                return replaced;
            }
        } else if (!PublishNew()) {
            const int error = errno;
            ::unlink(temp_.c_str());
            if (error == EEXIST) {
                return std::nullopt;
            }
            return Fail(
                RewriteStatus::WriteFailed, target_,
                ReasonText(PLENTA_TEXT("journal", "kann nicht angelegt werden: %1"), {SystemError(error)}));
        }
        if (durability_ == Durability::Fsync) {
            SyncFolderOf(target_);
        }
        return RewriteStatus::Written;
    }

    // Swaps the new journal into place and looks at what it replaced: if that is not the journal that was
    // read (another program replaced it since the check, waits on the lease to write it, or wrote it where no
    // lease could be had), it is swapped back and the rewrite starts over, so no other program's write ends
    // up behind the temporary name. Both leases are held until the temporary name is gone. A file system
    // without the swap gets a plain rename, which leaves the moment between the check and the rename open.
    std::optional<RewriteStatus> Replace(int in, std::string_view old, const struct stat &opened,
                                         const ReadLease &lease) {
        // The new journal is leased too: a program that opens the journal for writing in the moment it stands
        // there must not write into the file a swap back then throws away.
        const FileDescriptor fresh(::open(temp_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (fresh.Get() < 0) {
            const int error = errno;
            ::unlink(temp_.c_str());
            return Fail(RewriteStatus::WriteFailed, temp_,
                        ReasonText(PLENTA_TEXT("journal",
                                               "kann als temporäre Datei nicht wieder geöffnet werden: %1"),
                                   {SystemError(error)}));
        }
        struct stat made {};
        const bool freshKnown = ::fstat(fresh.Get(), &made) == 0;
        const ReadLease freshLease(fresh.Get());
        if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) != 0) {
            if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
                if (::rename(temp_.c_str(), target_.c_str()) == 0) {
                    return RewriteStatus::Written;
                }
            }
            const int error = errno;
            ::unlink(temp_.c_str());
            return Fail(
                RewriteStatus::WriteFailed, target_,
                ReasonText(PLENTA_TEXT("journal", "kann nicht ersetzt werden: %1"), {SystemError(error)}));
        }
        // A program waiting on the lease to write the old journal read it before the swap; what it writes
        // belongs in the journal. The swap changes the old file's change time, so only its identity, size,
        // modification time and bytes tell whether it is still the journal that was read.
        struct stat aside {};
        const bool same = !lease.Breaking() && ::stat(temp_.c_str(), &aside) == 0 &&
                          aside.st_dev == opened.st_dev && aside.st_ino == opened.st_ino &&
                          aside.st_size == opened.st_size &&
                          Nanoseconds(aside.st_mtim) == Nanoseconds(opened.st_mtim) && StillHolds(in, old);
        if (same) {
            ::unlink(temp_.c_str());
            return RewriteStatus::Written;
        }
        if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) != 0) {
            // Our journal stands and the other program's version lies at the temporary name.
            return KeptAside();
        }
        struct stat after {};
        if (freshLease.Breaking() ||
            (freshKnown && (::fstat(fresh.Get(), &after) != 0 || after.st_size != made.st_size ||
                            Nanoseconds(after.st_mtim) != Nanoseconds(made.st_mtim)))) {
            // A program wrote, or waits to write, the new journal it found in the journal's place.
            return KeptAside();
        }
        ::unlink(temp_.c_str());
        return std::nullopt;
    }

    // Another program's write ended up in the file at the temporary name, which the next save would remove:
    // it is set aside as a conflict copy beside the journal, where the user finds it and can merge it.
    // Two set-aside copies within one second get different names: the first free one is taken, and an
    // existing copy is never replaced.
    RewriteStatus KeptAside() {
        const std::time_t now = std::time(nullptr);
        for (int counter = 0; counter < SET_ASIDE_NAMES; ++counter) {
            const std::filesystem::path copy = SetAsideCopyName(target_, now, counter);
            if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, copy.c_str(), RENAME_NOREPLACE) == 0) {
                return Fail(RewriteStatus::WriteFailed, copy,
                            ReasonText(PLENTA_TEXT(
                                "journal", "enthält die Fassung des Tagebuchs eines anderen Programms, die "
                                           "sich während des Speicherns geändert hat")));
            }
            if (errno != EEXIST) {
                break;
            }
        }
        return Fail(
            RewriteStatus::WriteFailed, temp_,
            ReasonText(PLENTA_TEXT("journal", "enthält die Fassung des Tagebuchs eines anderen Programms, "
                                              "die sich während des Speicherns geändert hat")));
    }

    // A journal that was missing is created only if no other program created one meanwhile (EEXIST).
    bool PublishNew() {
        if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0) {
            return true;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            return false;
        }
        // A file system without that kind of rename: link() refuses an existing name as well.
        if (::link(temp_.c_str(), target_.c_str()) != 0) {
            return false;
        }
        ::unlink(temp_.c_str());
        return true;
    }

    const std::filesystem::path &target_;
    const std::filesystem::path temp_;
    const MissingJournal missing_;
    const Durability durability_;
    const JournalTransform &transform_;
    RewriteFailure *const failure_;
    // Whether the last attempt found another program holding the journal open for writing.
    bool writerHeldOn_ = false;
};

} // namespace

std::filesystem::path TemporaryPathOf(const std::filesystem::path &journal) {
    return HiddenCompanionOf(ResolveJournalTarget(journal).value_or(journal), ".tmp");
}

RewriteStatus RewriteJournal(const std::filesystem::path &journal, MissingJournal missing,
                             Durability durability, const JournalTransform &transform,
                             RewriteFailure *failure, const PublishedHook &published) {
    const auto fail = [failure](RewriteStatus status, const std::filesystem::path &file, std::string reason) {
        return Report(failure, status, file, std::move(reason));
    };
    const std::optional<std::filesystem::path> target = ResolveJournalTarget(journal);
    if (!target) {
        return fail(RewriteStatus::WriteFailed, journal,
                    ReasonText(PLENTA_TEXT("journal", "hat symbolische Links, die im Kreis führen")));
    }
    if (const std::optional<RefusedLink> refused = RefuseJournalLinks(journal)) {
        return fail(RewriteStatus::WriteFailed, refused->link, refused->reason);
    }
    // Checked before the lock, so that no lock file is made beside a device.
    if (IsNonRegularFile(*target)) {
        return fail(RewriteStatus::Unreadable, *target,
                    ReasonText(PLENTA_TEXT("journal", "ist keine reguläre Datei")));
    }
    const JournalLock lock(*target, LockMode::Exclusive);
    if (!lock.Held()) {
        const std::filesystem::path lockPath = HiddenCompanionOf(*target, ".lock");
        if (lock.Unavailable()) {
            return fail(RewriteStatus::WriteFailed, lockPath,
                        ReasonText(PLENTA_TEXT("journal", "kann als Sperrdatei nicht geöffnet werden: %1"),
                                   {SystemError(lock.OpenError())}));
        }
        return fail(RewriteStatus::Unreadable, lockPath,
                    ReasonText(PLENTA_TEXT(
                        "journal", "wird seit über einer Sekunde von einem anderen Programm gehalten")));
    }
    RewriteStatus status = RewriteStatus::Declined;
    try {
        status = Rewrite(*target, missing, durability, transform, failure).Run();
    } catch (const RewriteDeclined &) {
        // Thrown before any temporary file was made: there is nothing to clean up.
        return RewriteStatus::Declined;
    }
    if (status == RewriteStatus::Written && published) {
        published();
    }
    return status;
}

} // namespace plenta
