// SPDX-License-Identifier: GPL-3.0-or-later
// The writer checks through a read lease, and the change time where no lease can be had.
#include "journal/WriterWait.h"

#include "journal/ReadLease.h"

#include <sys/stat.h>

namespace plenta {

std::chrono::nanoseconds QuietLeft(std::int64_t ctimeNs) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::chrono::nanoseconds age(Nanoseconds(now) - ctimeNs);
    // A change time in the future means a clock that was set back; nothing can be judged from it.
    if (age.count() < 0 || age >= QUIET) {
        return std::chrono::nanoseconds::zero();
    }
    return QUIET - age;
}

std::chrono::nanoseconds WaitForWriter(int fd, bool looksUnfinished, std::int64_t ctimeNs) {
    if (!looksUnfinished) {
        return std::chrono::nanoseconds::zero();
    }
    switch (OpenWriters(fd)) {
    case Writers::None:
        return std::chrono::nanoseconds::zero();
    case Writers::Some:
        return WRITER_PAUSE;
    case Writers::Unknown:
        break;
    }
    return QuietLeft(ctimeNs);
}

bool LastLineStillWritten(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return true;
    }
    return WaitForWriter(fd, true, Nanoseconds(info.st_ctim)).count() > 0;
}

} // namespace plenta
