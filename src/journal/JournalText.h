// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading for the commands that compare, merge or export records rather than scan them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace plenta {

// What a file was when it was read: its identity, size and times, and a digest of the lines read, so that a
// later look can tell whether it is still that file.
struct FileSeen {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t mtimeNs = 0;
    std::int64_t ctimeNs = 0;
    std::uint64_t digest = 0;
};

// Hands every line of a regular file to `visit` as read, with its line end; a last line without LF comes as
// it is, and a line longer than the scan's bound as its bare LF (read past, not kept). False, with errno
// set, when the file cannot be opened as a regular file, is larger than MAX_READ_BYTES (EFBIG) or a read
// failed.
// `seen`, when given, is filled in as the file was when it was opened.
bool ReadFileLines(const std::filesystem::path &file, const std::function<void(std::string_view line)> &visit,
                   FileSeen *seen = nullptr);

// How the open file `fd` stands now, read from its start as ReadFileLines reads it; nothing when it is no
// regular file, is too large or cannot be read.
std::optional<FileSeen> SeeOpenFile(int fd);

// The largest file read whole: no journal can grow beyond what a rewrite takes (MAX_REWRITE_BYTES), so a
// larger copy or journal (a runaway line, a sparse file) is refused rather than read.
inline constexpr std::size_t MAX_READ_BYTES = std::size_t{16} << 20;

// How a missing journal reads: as an empty one, or as a journal that cannot be opened.
enum class MissingText { Empty, Fails };

// The journal's bytes, read under its shared lock as the scan reads them: a last line without line end that
// another program is still writing is left out. Nothing when it cannot be opened (unreadable, no regular
// file, larger than MAX_READ_BYTES, or locked by a writer for over a second).
std::optional<std::string> ReadJournalText(const std::filesystem::path &journal, MissingText missing);

} // namespace plenta
