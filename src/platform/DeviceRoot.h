// SPDX-License-Identifier: GPL-3.0-or-later
// The folder that stands for the handheld's root "\" and the registry file kept in it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace plenta {

// $PLENTA_ROOT if set, else ~/.local/share/plenta; created on first need.
std::filesystem::path DeviceRoot();
// The same folder without creating it, for a look that needs no folder of its own.
std::filesystem::path DeviceRootPath();

// The "FileSyncPath" value of the key HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows CE Services in
// <root>/registry.ini, taken literally; nothing when the file, the key or the value is missing, when the
// value is longer than 520 bytes, or when registry.ini is no regular file. Only its first 64 KiB are read.
std::optional<std::string> ReadFileSyncPath(const std::filesystem::path &root);

// The real path of the running executable.
std::filesystem::path ModulePath();

} // namespace plenta
