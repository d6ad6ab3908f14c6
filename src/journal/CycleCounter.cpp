// SPDX-License-Identifier: GPL-3.0-or-later
// A first-day mark starts a cycle at day 1; each record advances the day by the days since the record before;
// past day 35 a record drops out of counting until the next first-day mark.
#include "journal/CycleCounter.h"

#include "journal/DayNumbers.h"
#include "journal/StatisticsText.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace plenta {

namespace {

void CountAt(std::array<std::uint16_t, CYCLE_COUNTERS> &counts, std::int32_t cycleDay) {
    auto &count = counts[static_cast<std::size_t>(cycleDay)];
    if (count < std::numeric_limits<std::uint16_t>::max()) {
        ++count;
    }
}

std::int32_t ToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

} // namespace

CycleCounter::CycleCounter(DayPointTable &points)
    : ring_(points) {}

void CycleCounter::Add(std::int64_t dayNumber, std::int32_t temperature, std::uint8_t marks) {
    if (!hasRecord_) {
        hasRecord_ = true;
        firstDay_ = dayNumber;
        previousDay_ = dayNumber;
    }
    // The span is the sum of the steps from record to record, which comes to the last day number less the
    // first; Finish takes it from those two, so no step is summed here.
    const std::int64_t difference = dayNumber - previousDay_;
    previousDay_ = dayNumber;
    // A record dated before the one above it (a hand-edited journal) must not drive the day below 0, where it
    // would index the counters out of range; it leaves the counted cycle like one too far after it. Both
    // choices are plain selections, which the compiler makes without a branch.
    const std::int64_t advanced = running_ + (running_ > 0 ? difference : 0);
    running_ =
        static_cast<std::uint64_t>(advanced) <= MAX_CYCLE_DAY ? static_cast<std::int32_t>(advanced) : 0;
    // A second first-day record of the day its cycle began (a hand-edited or merged journal) starts no new
    // cycle: it would count one of 0 days and pull the average down.
    if ((marks & MARK_FIRST_DAY) != 0 && !(hasFirstDay_ && dayNumber == lastFirstDay_)) {
        if (running_ > 0) {
            const std::int32_t length = running_ - 1;
            ++stats_.cycleCount;
            // The mean of every counted length. A running integer average, ((n - 1) x average + length) / n,
            // loses the remainder at each step and so only ever drifts down.
            lengthSum_ += length;
            stats_.averageCycleLength = static_cast<std::int32_t>(lengthSum_ / stats_.cycleCount);
            stats_.longestCycle = std::max(stats_.longestCycle, length);
        }
        running_ = 1;
        lastFirstDay_ = dayNumber;
        hasFirstDay_ = true;
    }
    // S falls on several days of most cycles, so a branch on it would often be mispredicted, and a running
    // minimum and maximum cost a dozen instructions a record. The cycle days that had it are bits of one word
    // instead (the running day is 0 to 35); Finish takes the first and the last of them.
    static_assert(MAX_CYCLE_DAY < 64, "every cycle day is a bit of the word");
    mucusDays_ |= std::uint64_t{(marks & MARK_MUCUS) != 0} << running_;
    if ((marks & MARK_OVULATION) != 0) {
        CountAt(stats_.ovulationCounts, running_);
    }
    // X falls on any day of a cycle, so a branch on it would often be mispredicted; the count is added
    // without one, in a wide counter that Finish saturates.
    static_assert(MARK_INTERCOURSE == 1, "the mark's bit is the count's step");
    intercourseCounts_[static_cast<std::size_t>(running_)] += marks & MARK_INTERCOURSE;
    ++recordCount_;
    // Last, since the point's byte fields may alias anything to the compiler: every field read after this
    // store would be read from memory again.
    // The point shows every mark the record has, and nothing else.
    const auto pointMarks =
        static_cast<std::uint8_t>(marks & (MARK_FIRST_DAY | MARK_MUCUS | MARK_OVULATION | MARK_INTERCOURSE));
    const std::size_t slot = static_cast<std::size_t>(ringNext_);
    ringNext_ = ringNext_ + 1 == DAYPOINT_CAPACITY ? 0 : ringNext_ + 1;
    ring_.points[slot] =
        DayPoint{static_cast<std::uint8_t>(running_), static_cast<std::uint16_t>(temperature), pointMarks};
}

void CycleCounter::Finish(Date today, Date picked, CycleStats &stats) {
    stats_.recordCount = ToInt32(recordCount_);
    stats_.spanDays = ToInt32(1 + previousDay_ - firstDay_);
    if (mucusDays_ != 0) {
        stats_.mucusFirstDay = std::min(stats_.mucusFirstDay, std::countr_zero(mucusDays_));
        stats_.mucusLastDay = std::max(stats_.mucusLastDay, 63 - std::countl_zero(mucusDays_));
    }
    ring_.count = static_cast<std::int32_t>(std::min<std::int64_t>(recordCount_, DAYPOINT_CAPACITY));
    if (recordCount_ > DAYPOINT_CAPACITY) {
        // The ring's oldest point sits where the next one would have gone; turn it to the front.
        std::rotate(ring_.points.begin(), ring_.points.begin() + ringNext_, ring_.points.end());
    }
    for (std::size_t day = 0; day < intercourseCounts_.size(); ++day) {
        stats_.intercourseCounts[day] = static_cast<std::uint16_t>(
            std::min<std::uint32_t>(intercourseCounts_[day], std::numeric_limits<std::uint16_t>::max()));
    }
    stats = stats_;
    // Without any record there is no cycle to continue; the raw rule would give today's day number itself.
    stats.todayCycleDay = hasRecord_ ? ToInt32(DayNumber(today) - previousDay_ + running_) : 0;
    stats.selectedCycleDay = hasFirstDay_ ? CycleDayOf(lastFirstDay_, picked) : 0;
    stats.statisticsText = StatisticsText(stats);
}

} // namespace plenta
