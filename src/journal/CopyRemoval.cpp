// SPDX-License-Identifier: GPL-3.0-or-later
// The rename to a hidden name takes the copy out of every sync client's reach in one step: a client that
// renames a newer version over the copy's name afterwards puts it beside, not over, the file being checked.
#include "journal/CopyRemoval.h"

#include "journal/ConflictCopies.h"
#include "journal/FileDescriptor.h"
#include "journal/JournalLock.h"
#include "journal/ReadLease.h"
#include "journal/ReasonText.h"
#include "journal/WriterWait.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace plenta {

namespace {

constexpr int MOVE_ASIDE_ATTEMPTS = 64;

std::string SystemError(int error) {
    return std::generic_category().message(error);
}

// The hidden file goes back to the copy's name; when a newer file took that name, under a set-aside name.
KeptReason PutBack(const std::filesystem::path &hidden, const std::filesystem::path &copy,
                   const std::filesystem::path &journal, const std::string &reason) {
    if (::renameat2(AT_FDCWD, hidden.c_str(), AT_FDCWD, copy.c_str(), RENAME_NOREPLACE) == 0) {
        return reason;
    }
    const std::time_t now = std::time(nullptr);
    for (int counter = 0; counter < SET_ASIDE_NAMES; ++counter) {
        const std::filesystem::path aside = SetAsideCopyName(journal, now, counter);
        if (::renameat2(AT_FDCWD, hidden.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) {
            return ReasonText(
                PLENTA_TEXT("journal",
                            "%1; eine neuere Datei hat ihren Namen übernommen, darum blieb sie als '%2'"),
                {reason, aside.string()});
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return ReasonText(PLENTA_TEXT("journal", "%1; sie liegt unter '%2'"), {reason, hidden.string()});
}

// Moves the copy to a hidden name of this run's own. A merge killed between this rename and the removal
// leaves its hidden file behind; a fixed name would then make every later merge keep the copy for good, and
// replacing the leftover could destroy a version that was never merged.
std::optional<std::filesystem::path> MoveAside(const std::filesystem::path &copy) {
    const std::string run = ".merged-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < MOVE_ASIDE_ATTEMPTS; ++attempt) {
        const std::filesystem::path hidden = HiddenCompanionOf(copy, run + std::to_string(attempt));
        if (::renameat2(AT_FDCWD, copy.c_str(), AT_FDCWD, hidden.c_str(), RENAME_NOREPLACE) == 0) {
            return hidden;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

KeptReason RemoveIfUnchanged(const std::filesystem::path &copy, const FileSeen &seen,
                             const std::filesystem::path &journal) {
    struct stat before {};
    if (::lstat(copy.c_str(), &before) != 0) {
        return ReasonText(PLENTA_TEXT("journal", "sie ließ sich nicht ansehen: %1"), {SystemError(errno)});
    }
    if (!S_ISREG(before.st_mode) || before.st_dev != seen.device || before.st_ino != seen.inode ||
        before.st_size != seen.size || Nanoseconds(before.st_mtim) != seen.mtimeNs ||
        Nanoseconds(before.st_ctim) != seen.ctimeNs) {
        return ReasonText(PLENTA_TEXT("journal", "sie hat sich nach dem Zusammenführen geändert"));
    }
    const std::optional<std::filesystem::path> aside = MoveAside(copy);
    if (!aside) {
        return ReasonText(PLENTA_TEXT("journal", "sie ließ sich zum Entfernen nicht beiseitelegen: %1"),
                          {SystemError(errno)});
    }
    const std::filesystem::path &hidden = *aside;
    const FileDescriptor fd(
        ::open(hidden.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return PutBack(hidden, copy, journal,
                       ReasonText(PLENTA_TEXT("journal", "sie ließ sich nicht wieder öffnen: %1"),
                                  {SystemError(errno)}));
    }
    // Where no lease can be had (another user's file without CAP_LEASE, some network file systems) the
    // identity and bytes alone decide.
    const ReadLease lease(fd.Get());
    if (lease.Found() == Writers::Some) {
        return PutBack(
            hidden, copy, journal,
            ReasonText(PLENTA_TEXT("journal", "ein anderes Programm hat sie zum Schreiben geöffnet")));
    }
    // The rename changed the change time; the rest must be as read.
    const std::optional<FileSeen> now = SeeOpenFile(fd.Get());
    if (!now || now->device != seen.device || now->inode != seen.inode || now->size != seen.size ||
        now->mtimeNs != seen.mtimeNs || now->digest != seen.digest) {
        return PutBack(hidden, copy, journal,
                       ReasonText(PLENTA_TEXT("journal", "sie hat sich nach dem Zusammenführen geändert")));
    }
    if (lease.Breaking()) {
        return PutBack(
            hidden, copy, journal,
            ReasonText(PLENTA_TEXT("journal", "ein anderes Programm ist dabei, sie zu schreiben")));
    }
    if (::unlink(hidden.c_str()) != 0) {
        return PutBack(
            hidden, copy, journal,
            ReasonText(PLENTA_TEXT("journal", "sie ließ sich nicht entfernen: %1"), {SystemError(errno)}));
    }
    return std::nullopt;
}

} // namespace plenta
