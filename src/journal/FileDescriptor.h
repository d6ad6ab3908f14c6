// SPDX-License-Identifier: GPL-3.0-or-later
// Owns one POSIX file descriptor, so every early return of a scan or a rewrite closes its files.
#pragma once

#include <cerrno>
#include <cstddef>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace plenta {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int Get() const { return fd_; }

    // Closes now and reports whether the close succeeded (NFS reports deferred write errors here).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

    // The size of a regular file, or nothing for anything else (a folder in the journal's place).
    std::optional<std::size_t> RegularSize() const {
        struct stat info {};
        if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(info.st_size);
    }

private:
    int fd_;
};

// Writes every byte, going on after short writes and interrupted calls; false on the first real error.
inline bool WriteAll(int fd, std::string_view bytes) {
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

} // namespace plenta
