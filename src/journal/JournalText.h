// Whole-file reading for the commands that compare, merge or export records rather than scan them.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace plenta {

// Hands every line of a regular file to `visit` as read, with its line end; a last line without LF comes as
// it is. False when the file cannot be opened as a regular file or a read failed.
bool ReadFileLines(const std::filesystem::path &file,
                   const std::function<void(std::string_view line)> &visit);

// How a missing journal reads: as an empty one, or as a journal that cannot be opened.
enum class MissingText { Empty, Fails };

// The journal's bytes, read under its shared lock as the scan reads them: a last line without line end that
// another program is still writing is left out. Nothing when it cannot be opened (unreadable, no regular
// file, or locked by a writer for over a second).
std::optional<std::string> ReadJournalText(const std::filesystem::path &journal, MissingText missing);

} // namespace plenta
