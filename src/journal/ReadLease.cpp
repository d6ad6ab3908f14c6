// SPDX-License-Identifier: GPL-3.0-or-later
// Read leases through fcntl, given back on every way out.
#include "journal/ReadLease.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>

namespace plenta {

namespace {

Writers TakeLease(int fd) {
    if (::fcntl(fd, F_SETSIG, SIGURG) != 0) {
        return Writers::Unknown;
    }
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
        return Writers::None;
    }
    return errno == EAGAIN ? Writers::Some : Writers::Unknown;
}

} // namespace

ReadLease::ReadLease(int fd)
    : fd_(fd)
    , found_(TakeLease(fd))
    , held_(found_ == Writers::None) {}

ReadLease::~ReadLease() {
    Release();
}

bool ReadLease::Breaking() const {
    // A lease being broken reports the type it is to end as, nothing for a writer.
    return held_ && ::fcntl(fd_, F_GETLEASE) != F_RDLCK;
}

void ReadLease::Release() {
    if (held_) {
        ::fcntl(fd_, F_SETLEASE, F_UNLCK);
        held_ = false;
    }
}

Writers OpenWriters(int fd) {
    return ReadLease(fd).Found();
}

} // namespace plenta
