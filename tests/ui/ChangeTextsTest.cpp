// SPDX-License-Identifier: GPL-3.0-or-later
// The days a box names after an undo or a restore: the German day form and the shortening of a long list.
#include "ui/ChangeTexts.h"

#include <gtest/gtest.h>

namespace plenta {
namespace {

TEST(ChangeTexts, DateListNamesUpToFiveDaysAndCountsTheRest) {
    const struct {
        int days;
        const char *text;
    } cases[] = {
        {0, ""},
        {1, "01.02.2026"},
        {2, "01.02.2026 und 02.02.2026"},
        {3, "01.02.2026, 02.02.2026 und 03.02.2026"},
        {5, "01.02.2026, 02.02.2026, 03.02.2026, 04.02.2026 und 05.02.2026"},
        {6, "01.02.2026, 02.02.2026, 03.02.2026, 04.02.2026, 05.02.2026 und 1 weiterer Tag"},
        {40, "01.02.2026, 02.02.2026, 03.02.2026, 04.02.2026, 05.02.2026 und 35 weitere Tage"},
    };
    for (const auto &c : cases) {
        std::vector<Date> dates;
        for (int day = 1; day <= c.days; ++day) {
            dates.push_back(
                Date{std::chrono::sys_days{std::chrono::year(2026) / 2 / 1} + std::chrono::days{day - 1}});
        }
        EXPECT_EQ(DateListText(dates), c.text) << c.days;
    }
    EXPECT_EQ(DayText(std::chrono::year(1601) / 12 / 31), "31.12.1601");
}

} // namespace
} // namespace plenta
