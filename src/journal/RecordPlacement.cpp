// SPDX-License-Identifier: GPL-3.0-or-later
// One walk over the journal's lines that places new records and leaves out the ones they replace.
#include "journal/RecordPlacement.h"

#include "journal/CarriedLines.h"
#include "journal/JournalRecord.h"

#include <StringTable.h>

#include <limits>
#include <optional>
#include <utility>

namespace plenta {

std::size_t CopyWithRecordsPlaced(std::string_view old, const PlacedRecords &records, std::string &out) {
    if (old.empty()) {
        out += LoadText(StringId::JournalHeader);
    }
    auto next = records.begin();
    const auto placeUpTo = [&](std::int32_t key) {
        for (; next != records.end() && next->first <= key; ++next) {
            out += next->second;
            out += "\r\n";
        }
    };
    std::size_t replaced = 0;
    bool header = true;
    ForEachCarriedLine(old, [&](std::string_view line) {
        if (std::exchange(header, false)) {
            out += line;
            return;
        }
        placeUpTo(DateKey(line));
        if (const std::optional<RecordFields> record = RecordOfLine(line);
            record && records.contains(record->dateKey)) {
            ++replaced;
            return;
        }
        out += line;
    });
    placeUpTo(std::numeric_limits<std::int32_t>::max());
    return replaced;
}

void CopyWithLinesPlaced(std::string_view old, const DatedLines &lines, std::string &out) {
    if (old.empty()) {
        out += LoadText(StringId::JournalHeader);
    }
    auto next = lines.begin();
    const auto placeUpTo = [&](std::int32_t key) {
        for (; next != lines.end() && next->first <= key; ++next) {
            for (const std::string &line : next->second) {
                out += line;
            }
        }
    };
    bool header = true;
    ForEachCarriedLine(old, [&](std::string_view line) {
        if (std::exchange(header, false)) {
            out += line;
            return;
        }
        placeUpTo(DateKey(line));
        if (const std::optional<RecordFields> record = RecordOfLine(line);
            record && lines.contains(record->dateKey)) {
            return;
        }
        out += line;
    });
    placeUpTo(std::numeric_limits<std::int32_t>::max());
}

} // namespace plenta
