// SPDX-License-Identifier: GPL-3.0-or-later
// The mark toggles and the first-day rule on the pending mark string, for the cases the dispatcher's button
// table does not reach.
#include "ui/MarkString.h"

#include <gtest/gtest.h>

#include <string>

namespace plenta {
namespace {

TEST(MarkString, TapsGiveTheExpectedString) {
    const struct {
        std::string marks;
        std::string taps; // letters tapped in order; '1' uses the first-day rule
        std::string expected;
    } cases[] = {
        {"", "1E1", "E"},
        {"S1E", "1", "SE"}, // a first day in the middle goes, the rest keeps its order
        // A hand-edited attribute leaves room for one more letter only.
        {"abcd", "SX", "abcdS"},
        {"abcdS", "SX", "abcdX"},
    };
    for (const auto &c : cases) {
        std::string marks = c.marks;
        for (const char letter : c.taps) {
            if (letter == LETTER_FIRST_DAY) {
                ApplyFirstDayRule(marks);
            } else {
                ToggleMark(marks, letter);
            }
        }
        EXPECT_EQ(marks, c.expected) << c.marks << " + " << c.taps;
    }
}

} // namespace
} // namespace plenta
