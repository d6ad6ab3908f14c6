// SPDX-License-Identifier: GPL-3.0-or-later
// Byte-level helpers for the reliability tests.
#include "JournalBytes.h"

#include "journal/JournalRecord.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace plenta::reliability {

std::optional<std::string> ReadBytes(const std::filesystem::path &file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::filesystem::path &file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> RawLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::size_t length = end == std::string_view::npos ? bytes.size() : end + 1;
        lines.emplace_back(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return lines;
}

std::vector<std::string> CarriedLines(std::string_view bytes) {
    std::vector<std::string> lines = RawLines(bytes);
    if (!lines.empty() && lines.back().back() != '\n') {
        lines.back() += lines.back().back() == '\r' ? "\n" : "\r\n";
    }
    return lines;
}

std::vector<std::string> WithoutDate(const std::vector<std::string> &lines, Date date) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<RecordFields> record = i > 0 ? RecordOfLine(lines[i]) : std::nullopt;
        if (!record || record->date != date) {
            kept.push_back(lines[i]);
        }
    }
    return kept;
}

} // namespace plenta::reliability
