// SPDX-License-Identifier: GPL-3.0-or-later
// plenta-journal export: every record as CSV or JSON for spreadsheets, scripts and backups.
#pragma once

#include "ExitCode.h"

#include <filesystem>
#include <optional>

namespace plenta {

enum class ExportFormat { Csv, Json };

// Writes the export to `out`, or to stdout without one. The journal is only read.
ExitCode RunExport(const std::filesystem::path &journal, ExportFormat format,
                   const std::optional<std::filesystem::path> &out);

} // namespace plenta
