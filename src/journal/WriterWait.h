// SPDX-License-Identifier: GPL-3.0-or-later
// Telling a journal that another program is still writing from one it has finished: shared by the rewrite,
// which waits for the writer, and the readers, which leave a last line still being written unread.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>

namespace plenta {

// An editor that rewrites the journal in place truncates it and then writes it, and a sync client may delete
// it and then create it. A journal that looks cut short while its writer cannot be told, or is missing from a
// folder, that changed less than this long ago is waited on, since its writer may not be done with it.
inline constexpr std::chrono::milliseconds QUIET{50};
// The pause before looking again at a journal that another program has open for writing (and, when it
// looks cut short, is writing); with the rewrite's attempts it bounds how long a save waits for a stalled
// writer.
inline constexpr std::chrono::milliseconds WRITER_PAUSE{25};

inline std::int64_t Nanoseconds(const timespec &time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// How long to wait before a file changed at `ctimeNs` can be trusted to be complete; zero for one that is
// quiet. The change time, unlike the modification time, cannot be set by a program.
std::chrono::nanoseconds QuietLeft(std::int64_t ctimeNs);

// How long to wait before reading the open file `fd` again when it `looksUnfinished` (empty, or stopping
// inside a line): while its writer still has it open, a moment; when that cannot be told, until it has been
// quiet for QUIET. Zero for a file to go on with.
std::chrono::nanoseconds WaitForWriter(int fd, bool looksUnfinished, std::int64_t ctimeNs);

// Whether the open journal's last line, which has no line end, may still be being written: another program
// holds the journal open for writing, or cannot be told from one that does and changed it a moment ago. Such
// a line is no record yet; any other last line is a line like the rest.
bool LastLineStillWritten(int fd);

} // namespace plenta
