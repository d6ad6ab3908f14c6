// Write-then-rename: the journal is never deleted or truncated, so a crash or a full disk at any point leaves
// either the old journal or the complete new one.
#include "JournalRewrite.h"

#include "FileDescriptor.h"
#include "JournalLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenta {

namespace {

// A symlinked journal is rewritten at its target, so that the link stays a link.
std::filesystem::path TargetOf(const std::filesystem::path &journal) {
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(journal, error))) {
        const std::filesystem::path target = std::filesystem::weakly_canonical(journal, error);
        if (!error) {
            return target;
        }
    }
    return journal;
}

bool ReadAll(int fd, std::string &content) {
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got > 0) {
            content.append(block, static_cast<std::size_t>(got));
        } else if (got == 0) {
            return true;
        } else if (errno != EINTR) {
            return false;
        }
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(put));
        } else if (put < 0 && errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Writes the temporary file and renames it over the target; false leaves the target untouched.
bool Replace(const std::filesystem::path &target, const std::filesystem::path &temp, std::string_view content,
             JournalState state, mode_t mode, Durability durability) {
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT) {
        return false;
    }
    // A new journal gets the usual permissions less the umask; an existing one keeps its exact bits.
    FileDescriptor out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              state == JournalState::Existing ? 0600 : 0666));
    if (out.Get() < 0) {
        return false;
    }
    const bool written = (state == JournalState::Missing || ::fchmod(out.Get(), mode) == 0) &&
                         WriteAll(out.Get(), content) &&
                         (durability == Durability::NoFsync || ::fsync(out.Get()) == 0) && out.Close() &&
                         ::rename(temp.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temp.c_str());
        return false;
    }
    if (durability == Durability::Fsync) {
        // The rename is done and the new journal complete; a folder that cannot be synced is no reason to
        // report the save as failed, since the journal is not "as it was" any more.
        FileDescriptor folder(::open(target.parent_path().empty() ? "." : target.parent_path().c_str(),
                                     O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.Get() >= 0) {
            ::fsync(folder.Get());
        }
    }
    return true;
}

} // namespace

std::filesystem::path TemporaryPathOf(const std::filesystem::path &journal) {
    return HiddenCompanionOf(TargetOf(journal), ".tmp");
}

RewriteStatus RewriteJournal(const std::filesystem::path &journal, MissingJournal missing,
                             Durability durability, const JournalTransform &transform) {
    const JournalLock lock(journal, LockMode::Exclusive);
    if (!lock.Held()) {
        return lock.Unavailable() ? RewriteStatus::WriteFailed : RewriteStatus::Unreadable;
    }
    const std::filesystem::path target = TargetOf(journal);
    std::string old;
    JournalState state = JournalState::Existing;
    mode_t mode = 0;
    {
        FileDescriptor in(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
        if (in.Get() < 0) {
            if (errno != ENOENT) {
                return RewriteStatus::Unreadable;
            }
            if (missing == MissingJournal::Refuse) {
                return RewriteStatus::Missing;
            }
            state = JournalState::Missing;
        } else {
            struct stat info {};
            if (::fstat(in.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
                return RewriteStatus::Unreadable;
            }
            mode = info.st_mode & 07777;
            old.reserve(static_cast<std::size_t>(info.st_size));
            if (!ReadAll(in.Get(), old)) {
                return RewriteStatus::Unreadable;
            }
        }
    }
    std::string content;
    content.reserve(old.size() + 128);
    transform(old, state, content);
    const std::filesystem::path temp = HiddenCompanionOf(target, ".tmp");
    return Replace(target, temp, content, state, mode, durability) ? RewriteStatus::Written
                                                                   : RewriteStatus::WriteFailed;
}

} // namespace plenta
