// SPDX-License-Identifier: GPL-3.0-or-later
// The results of one journal scan, shared by the chart, the form and the command-line tool.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace plenta {

using Date = std::chrono::year_month_day;

inline constexpr std::uint8_t MARK_FIRST_DAY = 8;
inline constexpr std::uint8_t MARK_MUCUS = 4;
inline constexpr std::uint8_t MARK_OVULATION = 2;
inline constexpr std::uint8_t MARK_INTERCOURSE = 1;

// The letters that stand for the marks in a record's attribute and on the toolbar.
inline constexpr char LETTER_FIRST_DAY = '1';
inline constexpr char LETTER_MUCUS = 'S';
inline constexpr char LETTER_OVULATION = 'E';
inline constexpr char LETTER_INTERCOURSE = 'X';

struct MarkLetter {
    char letter;
    std::uint8_t mark;
};
inline constexpr std::array<MarkLetter, 4> MARK_LETTERS{{
    {LETTER_FIRST_DAY, MARK_FIRST_DAY},
    {LETTER_MUCUS, MARK_MUCUS},
    {LETTER_OVULATION, MARK_OVULATION},
    {LETTER_INTERCOURSE, MARK_INTERCOURSE},
}};

inline constexpr int DAYPOINT_CAPACITY = 800;
inline constexpr int MAX_CYCLE_DAY = 35;
inline constexpr int CYCLE_COUNTERS = MAX_CYCLE_DAY + 1;
// The form's temperature list: index i shows TEMPERATURE_TOP - i tenths, down to TEMPERATURE_BOTTOM.
inline constexpr int TEMPERATURE_TOP = 375;
inline constexpr int TEMPERATURE_BOTTOM = 355;
inline constexpr int DEFAULT_TEMPERATURE = 365;
// What the form's comment box lets through to a save.
inline constexpr int MAX_COMMENT_CHARS = 39;
inline constexpr int MAX_ATTRIBUTE_CHARS = 4;

// One chart item per record, in journal order.
struct DayPoint {
    std::uint8_t cycleDay = 0;     // 0 to 35; 0 is a day outside any counted cycle
    std::uint16_t temperature = 0; // tenths of a degree Celsius
    std::uint8_t marks = 0;        // OR of the MARK_ bits
};

// The most recent points of the journal (at most DAYPOINT_CAPACITY), oldest first.
struct DayPointTable {
    std::array<DayPoint, DAYPOINT_CAPACITY> points{};
    std::int32_t count = 0;
};

struct CycleStats {
    std::int32_t recordCount = 0; // every record of the journal, also those beyond the table's capacity
    std::int32_t spanDays = 1;
    std::int32_t cycleCount = 0;
    std::int32_t averageCycleLength = 0;
    std::int32_t longestCycle = 0;
    std::int32_t mucusFirstDay = 34;
    std::int32_t mucusLastDay = 0;
    std::array<std::uint16_t, CYCLE_COUNTERS> ovulationCounts{};
    std::array<std::uint16_t, CYCLE_COUNTERS> intercourseCounts{};
    std::int32_t todayCycleDay = 0;
    std::int32_t selectedCycleDay = 0;
    std::string statisticsText; // UTF-8
};

// The picked date's record as the form shows it; every text is UTF-8.
struct DaySelection {
    bool hasEntry = false;
    std::string date; // "%d/%02d/%02d" of the picked date
    std::int32_t temperature = 0;
    std::string comment; // whole, as the record reader takes it
    std::string marks;   // the attribute letters, at most 5 characters
};

// The statistics before any scan: all zero, unlike the starting values of a scan (span 1, mucus first
// day 34).
inline CycleStats StatsBeforeFirstScan() {
    CycleStats stats;
    stats.spanDays = 0;
    stats.mucusFirstDay = 0;
    return stats;
}

// Everything one scan derives from the journal. A default-constructed value is the state before any scan:
// all zero and empty (so mucusFirstDay is 0 there, not 34).
struct JournalScan {
    DayPointTable table;
    CycleStats stats = StatsBeforeFirstScan();
    DaySelection selection;
    // Distinct (ignoring case) non-empty comments, in order of first appearance.
    std::vector<std::string> comments;
};

} // namespace plenta
