// SPDX-License-Identifier: GPL-3.0-or-later
// The cycle-day counter of the scan: turns records in journal order into chart points and cycle statistics.
// It knows nothing of files; the scan feeds it one well-formed record at a time.
#pragma once

#include "journal/JournalTypes.h"

#include <cstdint>

namespace plenta {

class CycleCounter {
public:
    // The points go straight into `points`, kept as a ring while records come, which Finish turns oldest
    // first: a scan's table is filled in place, never copied.
    explicit CycleCounter(DayPointTable &points);

    // One record: the day number of its date (DayNumber), its temperature in tenths and the MARK_ bits read
    // from its attribute.
    void Add(std::int64_t dayNumber, std::int32_t temperature, std::uint8_t marks);

    // The cycle day the record added last got, as its chart point shows it.
    std::int32_t LastCycleDay() const { return running_; }

    // Completes the points and the statistics for today's and the picked date's cycle day into `stats`.
    void Finish(Date today, Date picked, CycleStats &stats);

private:
    DayPointTable &ring_; // the most recent DAYPOINT_CAPACITY points, oldest at ringNext_ once it is full
    CycleStats stats_;
    // The X counts by cycle day, wide enough never to overflow; Finish saturates them into stats_.
    std::array<std::uint32_t, CYCLE_COUNTERS> intercourseCounts_{};
    std::uint64_t mucusDays_ = 0;   // bit d: an S record on cycle day d
    std::int64_t recordCount_ = 0;  // saturated into stats_ by Finish
    std::int32_t running_ = 0;      // the running cycle day, 0 outside a counted cycle
    std::int32_t ringNext_ = 0;     // where the next point goes: recordCount_ % DAYPOINT_CAPACITY
    std::int64_t firstDay_ = 0;     // day number of the first record, for the span
    std::int64_t previousDay_ = 0;  // day number of the record before
    std::int64_t lengthSum_ = 0;    // of every counted cycle, for the mean length
    std::int64_t lastFirstDay_ = 0; // day number of the last first-day mark
    bool hasRecord_ = false;
    bool hasFirstDay_ = false;
};

} // namespace plenta
