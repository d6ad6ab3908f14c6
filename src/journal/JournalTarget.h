// SPDX-License-Identifier: GPL-3.0-or-later
// Where a journal path really leads, and how the journal is opened for reading there: the scan and the
// rewrite both lock and read the file at the end of the journal's symlinks, and only ever a regular file.
#pragma once

#include <filesystem>
#include <optional>

namespace plenta {

// The file the journal path names once every symlink in its last component is followed, also when the last
// link dangles (the journal is then created there). Nothing when the links loop or the path holds a NUL byte,
// which no file name can.
std::optional<std::filesystem::path> ResolveJournalTarget(const std::filesystem::path &journal);

// Where the symlink `link` points, a relative target counted from the link's own folder as the kernel reads
// it; nothing when it cannot be read.
std::optional<std::filesystem::path> LinkTarget(const std::filesystem::path &link);

// True when something other than a regular file stands at `file` (a folder, FIFO, device or socket).
bool IsNonRegularFile(const std::filesystem::path &file);

// Opens `file` read-only without ever blocking (a FIFO swapped in meanwhile does not wait for a writer) and
// without looking first; for a path already seen to be a regular file, whose descriptor the caller checks.
int OpenForReading(const std::filesystem::path &file);

// Opens `file` read-only without ever blocking (a FIFO or a device does not wait for a writer) and keeps the
// descriptor only for a regular file. -1 otherwise, with errno ENOENT for a missing file and EISDIR or ENXIO
// for a folder or anything else that is no regular file.
int OpenRegularForReading(const std::filesystem::path &file);

} // namespace plenta
