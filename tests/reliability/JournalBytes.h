// SPDX-License-Identifier: GPL-3.0-or-later
// Byte-level helpers for the reliability tests: read and write whole files, and split a journal into the
// lines a rewrite must carry over unchanged; the suite's scratch folder and header line.
#pragma once

#include "journal/JournalTypes.h"

#include "TempFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plenta::reliability {

using test::HEADER;
using test::TempFolder;

// The whole file, or nothing when it cannot be read as a regular file.
std::optional<std::string> ReadBytes(const std::filesystem::path &file);
void WriteBytes(const std::filesystem::path &file, std::string_view bytes);

// The lines of a journal as a rewrite carries them over: each with its LF; a last line without one gets CR
// LF.
std::vector<std::string> CarriedLines(std::string_view bytes);

// The lines without the records of `date`, as every command reads them; the first line is the header.
std::vector<std::string> WithoutDate(const std::vector<std::string> &lines, Date date);

// All lines exactly as read, each with its LF (the last one without, when the file does not end in one).
std::vector<std::string> RawLines(std::string_view bytes);

} // namespace plenta::reliability
