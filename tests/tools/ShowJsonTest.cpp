// SPDX-License-Identifier: GPL-3.0-or-later
// The show command's JSON for a journal of two complete cycles and a third begun
// (tests/data/tools/cycles.txt).
#include "ToolRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <string>
#include <vector>

namespace plenta::test {
namespace {

class ShowJson : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(folder_ / "plenta.txt",
                   ReadBytes(std::filesystem::path(PLENTA_TEST_DATA) / "tools" / "cycles.txt"));
    }

    nlohmann::json Show(const std::string &picked, const std::string &today = "2026-03-10") {
        std::vector<std::string> args{"--journal", folder_ / "plenta.txt", "--today", today, "show"};
        if (!picked.empty()) {
            args.insert(args.end(), {"--date", picked});
        }
        const ToolResult result = RunTool(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return nlohmann::json::parse(result.out);
    }

private:
    TempFolder folder_;
};

TEST_F(ShowJson, PointsStatsAndComments) {
    const nlohmann::json json = Show("2026-03-05");
    // (cycle day, temperature, marks): two first days 28 and 30 days apart, mucus, ovulation and intercourse.
    const std::vector<std::array<int, 3>> expected{{1, 364, 8},  {2, 363, 0},  {12, 365, 4},
                                                   {14, 368, 2}, {15, 369, 1}, {1, 364, 8},
                                                   {15, 366, 5}, {1, 365, 8},  {3, 366, 0}};
    ASSERT_EQ(json["count"], 9);
    ASSERT_EQ(json["points"].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(json["points"][i]["cycleDay"], expected[i][0]);
        EXPECT_EQ(json["points"][i]["temperature"], expected[i][1]);
        EXPECT_EQ(json["points"][i]["marks"], expected[i][2]);
    }

    const nlohmann::json &stats = json["stats"];
    EXPECT_EQ(stats["recordCount"], 9);
    EXPECT_EQ(stats["spanDays"], 61);
    EXPECT_EQ(stats["cycleCount"], 2);
    EXPECT_EQ(stats["averageCycleLength"], 29);
    EXPECT_EQ(stats["longestCycle"], 30);
    EXPECT_EQ(stats["mucusFirstDay"], 12);
    EXPECT_EQ(stats["mucusLastDay"], 15);
    std::vector<int> ovulation(36, 0);
    ovulation[14] = 1;
    std::vector<int> intercourse(36, 0);
    intercourse[15] = 2;
    EXPECT_EQ(stats["ovulationCounts"], ovulation);
    EXPECT_EQ(stats["intercourseCounts"], intercourse);
    EXPECT_EQ(stats["todayCycleDay"], 11);
    EXPECT_EQ(stats["selectedCycleDay"], 6);
    EXPECT_EQ(stats["statisticsText"].get<std::string>().rfind("Datenbank hat 9 Eintr", 0), 0u); // as "stats"
    // Distinct ignoring case, in order of first appearance.
    EXPECT_EQ(json["comments"], (std::vector<std::string>{"alkohol", "spät", "Alk", "zu spät"}));
}

// The selection as the form shows it after its refresh, for a date without record and dates with one.
TEST_F(ShowJson, SelectionShowsWhatTheFormShows) {
    struct Case {
        std::string picked;
        bool hasEntry;
        std::string date;
        int temperature;
        std::string comment;
        std::string marks;
        int selectedCycleDay;
        int commentItem;
    };
    const std::vector<Case> cases{
        {"2026-03-05", false, "2026/03/05", 365, "", "", 6, -1},
        {"2026-02-12", true, "2026/02/12", 366, "zu spät", "SX", 0, 3},
        {"2026-03-02", true, "2026/03/02", 366, "", "", 3, -1},
        // The day's own comment, not "alkohol" which begins with it, and its own item.
        {"2026-01-15", true, "2026/01/15", 369, "Alk", "X", 0, 2},
        {"2026-01-14", true, "2026/01/14", 368, "spät", "E", 0, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.picked);
        const nlohmann::json json = Show(c.picked);
        const nlohmann::json &selection = json["selection"];
        EXPECT_EQ(selection["hasEntry"], c.hasEntry);
        EXPECT_EQ(selection["date"], c.date);
        EXPECT_EQ(selection["temperature"], c.temperature);
        EXPECT_EQ(selection["comment"], c.comment);
        EXPECT_EQ(selection["marks"], c.marks);
        EXPECT_EQ(selection["commentItem"], c.commentItem);
        EXPECT_EQ(json["stats"]["selectedCycleDay"], c.selectedCycleDay);
    }
}

TEST_F(ShowJson, WithoutADateTodayIsPicked) {
    const nlohmann::json json = Show("", "2026-02-12");
    EXPECT_EQ(json["selection"]["date"], "2026/02/12");
    EXPECT_EQ(json["selection"]["marks"], "SX");
}

} // namespace
} // namespace plenta::test
