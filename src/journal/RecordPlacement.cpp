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

namespace {

// The one walk: the header first and kept, each date's placed text before the first line of the same or a
// later date, the journal's records of a placed date left out. `emit` writes one date's placed text.
template <typename Placed, typename Emit>
std::size_t PlaceAtDates(std::string_view old, const Placed &placed, Emit emit, std::string &out) {
    if (old.empty()) {
        out += LoadText(StringId::JournalHeader);
    }
    auto next = placed.begin();
    const auto placeUpTo = [&](std::int32_t key) {
        for (; next != placed.end() && next->first <= key; ++next) {
            emit(next->second);
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
            record && placed.contains(record->dateKey)) {
            ++replaced;
            return;
        }
        out += line;
    });
    placeUpTo(std::numeric_limits<std::int32_t>::max());
    return replaced;
}

} // namespace

std::size_t CopyWithRecordsPlaced(std::string_view old, const PlacedRecords &records, std::string &out) {
    return PlaceAtDates(
        old, records,
        [&out](const std::string &record) {
            out += record;
            out += "\r\n";
        },
        out);
}

void CopyWithLinesPlaced(std::string_view old, const DatedLines &lines, std::string &out) {
    PlaceAtDates(
        old, lines,
        [&out](const std::vector<std::string> &dateLines) {
            for (const std::string &line : dateLines) {
                out += line;
            }
        },
        out);
}

} // namespace plenta
