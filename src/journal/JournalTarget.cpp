// SPDX-License-Identifier: GPL-3.0-or-later
// Symlink resolution by hand: std::filesystem's canonical forms stop at a dangling link, and a rewrite would
// then replace the link with a file.
#include "journal/JournalTarget.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace plenta {

namespace {

// The kernel's own limit on links followed in one path walk.
constexpr int MAX_LINK_HOPS = 40;

} // namespace

std::optional<std::filesystem::path> ResolveJournalTarget(const std::filesystem::path &journal) {
    if (journal.empty() || journal.native().find('\0') != std::string::npos) {
        return std::nullopt;
    }
    std::filesystem::path current = journal;
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        const std::optional<std::filesystem::path> next = LinkTarget(current);
        if (!next) {
            return std::nullopt;
        }
        current = *next;
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> LinkTarget(const std::filesystem::path &link) {
    char text[PATH_MAX];
    const ssize_t length = ::readlink(link.c_str(), text, sizeof text);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof text) {
        return std::nullopt;
    }
    const std::filesystem::path next(std::string(text, static_cast<std::size_t>(length)));
    return next.is_absolute() ? next : link.parent_path() / next;
}

bool IsNonRegularFile(const std::filesystem::path &file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

int OpenForReading(const std::filesystem::path &file) {
    return ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

int OpenRegularForReading(const std::filesystem::path &file) {
    // Looked at before it is opened, so that a device is never opened at all; the descriptor is checked again
    // since the file may have been swapped in between.
    if (IsNonRegularFile(file)) {
        errno = std::filesystem::is_directory(file) ? EISDIR : ENXIO;
        return -1;
    }
    const int fd = OpenForReading(file);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = S_ISDIR(info.st_mode) ? EISDIR : ENXIO;
        return -1;
    }
    return fd;
}

} // namespace plenta
