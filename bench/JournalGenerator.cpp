// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the synthetic journals: a fixed pseudo-random walk through cycles, so every run measures the same
// bytes.
#include "JournalGenerator.h"

#include "journal/CodePage.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <string_view>

namespace plenta::bench {
namespace {

constexpr std::string_view HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";
constexpr int SHORTEST_CYCLE = 26;
constexpr int CYCLE_LENGTHS = 7; // 26 to 32 days
constexpr int LUTEAL_DAYS = 14;  // ovulation falls this many days before the next period

// Comments as users type them: mostly short single words, some repeated with other letter case, one of two
// words (the scan keeps only "zu"), and the umlauts that need Windows-1252.
constexpr std::array<std::string_view, 7> COMMENTS{"alk",     "spät",     "müde",  "Alk",
                                                   "zu spät", "erkältet", "Stress"};

// Modulo of the raw engine output instead of a distribution, so that every standard library gives the same
// journal.
class Dice {
public:
    int Below(int bound) { return static_cast<int>(engine_() % static_cast<unsigned>(bound)); }
    bool OneIn(int chances) { return Below(chances) == 0; }

private:
    std::mt19937 engine_{20030405};
};

SyntheticRecord DayRecord(Dice &dice, Date date, int cycleDay, int cycleLength) {
    const int ovulationDay = cycleLength - LUTEAL_DAYS;
    SyntheticRecord record;
    record.date = date;
    // Lower phase around 36.4, upper phase around 36.9 after the ovulation day.
    record.temperature = (cycleDay > ovulationDay ? 366 : 362) + dice.Below(5);
    if (cycleDay == 1) {
        record.marks.push_back('1');
    } else {
        if (cycleDay >= ovulationDay - 4 && cycleDay <= ovulationDay + 1) {
            record.marks += 'S';
        }
        if (cycleDay == ovulationDay) {
            record.marks += 'E';
        }
        if (dice.OneIn(6)) {
            record.marks += 'X';
        }
    }
    if (dice.OneIn(8)) {
        record.comment = COMMENTS[static_cast<std::size_t>(dice.Below(static_cast<int>(COMMENTS.size())))];
    }
    return record;
}

} // namespace

std::vector<SyntheticRecord> SyntheticRecords(int count, Date first) {
    std::vector<SyntheticRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    Dice dice;
    std::chrono::sys_days day{first};
    while (static_cast<int>(records.size()) < count) {
        const int cycleLength = SHORTEST_CYCLE + dice.Below(CYCLE_LENGTHS);
        for (int cycleDay = 1; cycleDay <= cycleLength && static_cast<int>(records.size()) < count;
             ++cycleDay) {
            // A day without a measurement now and then, never the first day of a period.
            if (cycleDay == 1 || !dice.OneIn(20)) {
                records.push_back(DayRecord(dice, Date{day}, cycleDay, cycleLength));
            }
            day += std::chrono::days{1};
        }
    }
    return records;
}

std::string JournalBytes(const std::vector<SyntheticRecord> &records) {
    std::string bytes{HEADER};
    bytes.reserve(records.size() * 32);
    std::array<char, 128> line{};
    for (const SyntheticRecord &record : records) {
        const std::string comment = Utf8ToCp1252(record.comment);
        const int length = std::snprintf(
            line.data(), line.size(), "%04d/%02u/%02u,%d.%d,%s,%s\r\n", static_cast<int>(record.date.year()),
            static_cast<unsigned>(record.date.month()), static_cast<unsigned>(record.date.day()),
            record.temperature / 10, record.temperature % 10, record.marks.c_str(), comment.c_str());
        bytes.append(line.data(), static_cast<std::size_t>(length));
    }
    return bytes;
}

bool WriteFileBytes(const std::filesystem::path &file, const std::string &bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace plenta::bench
