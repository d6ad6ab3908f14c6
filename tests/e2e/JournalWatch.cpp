// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the rewrites of a journal through inotify on its folder.
#include "JournalWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>

namespace plenta::e2e {

JournalWatch::JournalWatch(const std::filesystem::path &journal)
    : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    , name_(journal.filename().string()) {
    if (fd_ >= 0) {
        watch_ = inotify_add_watch(fd_, journal.parent_path().c_str(), IN_MOVED_TO | IN_CREATE);
    }
}

JournalWatch::~JournalWatch() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

int JournalWatch::Rewrites() {
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = read(fd_, buffer.data(), buffer.size());
        if (got <= 0) {
            return rewrites_;
        }
        for (ssize_t at = 0; at < got;) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const char *name = buffer.data() + at + sizeof event;
            if (event.len > 0 && name_ == name) {
                ++rewrites_;
            }
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
}

} // namespace plenta::e2e
