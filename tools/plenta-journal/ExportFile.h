// SPDX-License-Identifier: GPL-3.0-or-later
// Puts an export into a file the way the journal's rewrite does: a temporary file beside it, renamed into its
// place when complete, so that a full disk or an interrupted run keeps the previous export.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace plenta {

// Writes `text` to `out` through a temporary file in `out`'s folder and a rename. Refuses, with the reason in
// words, a destination that is a symbolic link (never followed), anything but a regular file, and the
// journal's own file or its lock file. Nothing on success; on any failure `out` is as it was.
std::optional<std::string> WriteExportFile(const std::filesystem::path &out, std::string_view text,
                                           const std::filesystem::path &journal);

} // namespace plenta
