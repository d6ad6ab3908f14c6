// SPDX-License-Identifier: GPL-3.0-or-later
// flock with a bounded wait: a second is long enough for any rewrite, short enough for the user to wait.
#include "journal/JournalLock.h"

#include "journal/JournalTarget.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace plenta {

namespace {

// O_NOFOLLOW: a link planted at the lock's name must not make even a scan create a file where it points.
// O_NONBLOCK: a FIFO planted there must not hang the program.
constexpr int LOCK_OPEN_FLAGS = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

} // namespace

std::string HiddenCompanionName(const std::filesystem::path &file, std::string_view suffix) {
    const std::string &text = file.native();
    const std::size_t slash = text.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string_view name = std::string_view(text).substr(nameStart);
    // Nearly every path ends in a plain name after a single separator: the folder is then the path's own
    // text up to the name, and no path is taken apart into components (each scan makes this name, and
    // that costs more than the rest of a small scan's own work). Anything else goes by std::filesystem.
    if (!name.empty() && name != "." && name != ".." &&
        (slash == std::string::npos || slash == 0 || text[slash - 1] != '/')) {
        std::string companion;
        companion.reserve(text.size() + 1 + suffix.size());
        companion.append(text, 0, nameStart);
        companion += '.';
        companion += name;
        companion += suffix;
        return companion;
    }
    // Built by appending rather than with operator+, which trips a false -Werror=restrict in GCC 12 at -O3.
    std::string hidden(".");
    hidden += file.filename().string();
    hidden += suffix;
    return (file.parent_path() / hidden).native();
}

std::filesystem::path HiddenCompanionOf(const std::filesystem::path &file, std::string_view suffix) {
    return HiddenCompanionName(file, suffix);
}

std::filesystem::path JournalLock::LockPathOf(const std::filesystem::path &journal) {
    return HiddenCompanionOf(ResolveJournalTarget(journal).value_or(journal), ".lock");
}

JournalLock::JournalLock(const std::filesystem::path &journal, LockMode mode) {
    const std::string lockPath = HiddenCompanionName(journal, ".lock");
    struct stat info {};
    // A device in the lock's place is never opened at all.
    if (::lstat(lockPath.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        openError_ = S_ISLNK(info.st_mode) ? ELOOP : S_ISDIR(info.st_mode) ? EISDIR : ENXIO;
        return;
    }
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | LOCK_OPEN_FLAGS, 0666);
    if (fd_ < 0) {
        openError_ = errno;
        // flock needs no write access: a lock file made by another user still guards a scan.
        fd_ = ::open(lockPath.c_str(), O_RDONLY | LOCK_OPEN_FLAGS);
    }
    if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd_);
        fd_ = -1;
        openError_ = ENXIO;
    }
    if (fd_ < 0) {
        return;
    }
    const int operation = (mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    for (;;) {
        if (::flock(fd_, operation) == 0) {
            held_ = true;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

JournalLock::~JournalLock() {
    if (fd_ >= 0) {
        ::close(fd_); // closing the descriptor releases the flock
    }
}

} // namespace plenta
