// The mark toggles and the first-day rule on the pending mark string.
#include <MarkString.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plenta {
namespace {

struct ToggleCase {
    std::string marks;
    std::vector<char> taps; // letters tapped in order; '1' uses the first-day rule
    std::string expected;
};

class MarkStringTest : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(MarkStringTest, TapsGiveTheExpectedString) {
    const ToggleCase &tc = GetParam();
    std::string marks = tc.marks;
    for (const char letter : tc.taps) {
        if (letter == LETTER_FIRST_DAY) {
            ApplyFirstDayRule(marks);
        } else {
            ToggleMark(marks, letter);
        }
    }
    EXPECT_EQ(marks, tc.expected);
}

INSTANTIATE_TEST_SUITE_P(Marks, MarkStringTest,
                         ::testing::Values(ToggleCase{"", {'1', 'E', '1'}, "E"},
                                           // A hand-edited attribute leaves room for one more letter only.
                                           ToggleCase{"abcd", {'S', 'X'}, "abcdS"},
                                           ToggleCase{"abcdS", {'S', 'X'}, "abcdX"}));

TEST(FirstDayRule, TellsWhetherTheOtherButtonsMustBeUnchecked) {
    std::string marks = "SEX";
    EXPECT_EQ(ApplyFirstDayRule(marks), FirstDayChange::Started);
    marks = "S1E";
    EXPECT_EQ(ApplyFirstDayRule(marks), FirstDayChange::Removed);
    EXPECT_EQ(marks, "SE");
}

} // namespace
} // namespace plenta
