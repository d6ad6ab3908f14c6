// A first-day mark starts a cycle at day 1; each record advances the day by the days since the record before;
// past day 35 a record drops out of counting until the next first-day mark.
#include "journal/CycleCounter.h"

#include "journal/DayNumbers.h"
#include "journal/StatisticsText.h"

#include <algorithm>
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

CycleCounter::CycleCounter() {
    stats_.spanDays = 1;
}

void CycleCounter::Add(Date date, std::int32_t temperature, std::uint8_t marks) {
    if (date.year() != cachedMonth_.year() || date.month() != cachedMonth_.month()) {
        cachedMonth_ = std::chrono::year_month{date.year(), date.month()};
        cachedMonthStart_ = DayNumber(Date{date.year(), date.month(), std::chrono::day{1}});
    }
    const std::int64_t day = cachedMonthStart_ + static_cast<unsigned>(date.day()) - 1;
    const std::int32_t difference = hasRecord_ ? ToInt32(day - previousDay_) : 0;
    stats_.spanDays = ToInt32(std::int64_t{stats_.spanDays} + difference);
    if (running_ > 0) {
        running_ += difference;
        // A record dated before the one above it (a hand-edited journal) must not drive the day below 0,
        // where it would index the counters out of range; it leaves the counted cycle like one too far after
        // it.
        if (running_ > MAX_CYCLE_DAY || running_ < 0) {
            running_ = 0;
        }
    }
    std::uint8_t pointMarks = 0;
    if ((marks & MARK_FIRST_DAY) != 0) {
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
        lastFirstDay_ = date;
        hasFirstDay_ = true;
        pointMarks = MARK_FIRST_DAY;
    }
    // S falls on several days of most cycles, so a branch on it would often be mispredicted. A day without it
    // offers bounds that move neither: the largest first day and last day 0 (the running day is never below
    // 0, nor is the last day).
    const std::int32_t withoutMucus = -static_cast<std::int32_t>((marks & MARK_MUCUS) == 0);
    pointMarks |= marks & MARK_MUCUS;
    stats_.mucusFirstDay =
        std::min(stats_.mucusFirstDay, running_ | (withoutMucus & std::numeric_limits<std::int32_t>::max()));
    stats_.mucusLastDay = std::max(stats_.mucusLastDay, running_ & ~withoutMucus);
    if ((marks & MARK_OVULATION) != 0) {
        pointMarks |= MARK_OVULATION;
        CountAt(stats_.ovulationCounts, running_);
    }
    // X falls on any day of a cycle, so a branch on it would often be mispredicted; the count is added
    // without one, in a wide counter that Finish saturates.
    static_assert(MARK_INTERCOURSE == 1, "the mark's bit is the count's step");
    pointMarks |= marks & MARK_INTERCOURSE;
    intercourseCounts_[static_cast<std::size_t>(running_)] += marks & MARK_INTERCOURSE;
    if (stats_.recordCount < std::numeric_limits<std::int32_t>::max()) {
        ++stats_.recordCount;
    }
    previousDay_ = day;
    hasRecord_ = true;
    // Last, since the point's byte fields may alias anything to the compiler: every field read after this
    // store would be read from memory again.
    const std::size_t slot = static_cast<std::size_t>(ringNext_);
    ringNext_ = ringNext_ + 1 == DAYPOINT_CAPACITY ? 0 : ringNext_ + 1;
    ring_.points[slot] =
        DayPoint{static_cast<std::uint8_t>(running_), static_cast<std::uint16_t>(temperature), pointMarks};
}

void CycleCounter::Finish(Date today, Date picked, DayPointTable &table, CycleStats &stats) {
    table = ring_;
    table.count = std::min(stats_.recordCount, DAYPOINT_CAPACITY);
    if (stats_.recordCount > DAYPOINT_CAPACITY) {
        // The ring's oldest point sits where the next one would have gone; turn it to the front.
        const auto oldest = static_cast<std::ptrdiff_t>(stats_.recordCount % DAYPOINT_CAPACITY);
        std::rotate(table.points.begin(), table.points.begin() + oldest, table.points.end());
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
