// SPDX-License-Identifier: GPL-3.0-or-later
// The export's CSV read back by an independent RFC 4180 reader.
#include "journal/JournalExport.h"

#include <gtest/gtest.h>

namespace plenta {
namespace {

using namespace std::chrono;

// RFC 4180: fields separated by commas, records by CR LF; a quoted field may hold commas, line breaks and
// doubled quotes.
std::vector<std::vector<std::string>> ReadCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string &field = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quote";
    EXPECT_TRUE(rows.back().size() == 1 && rows.back()[0].empty()) << "no CR LF after the last row";
    rows.pop_back();
    return rows;
}

TEST(JournalExport, CsvReadsBackFieldForField) {
    const std::vector<ExportRow> rows = {
        {2026y / December / 1d, 365, MARK_FIRST_DAY | MARK_INTERCOURSE, "zu spät", 1},
        {2026y / December / 2d, 355, MARK_MUCUS | MARK_OVULATION, "a,b \"c\"", 2},
        {2026y / December / 3d, 375, 0, "zwei\r\nZeilen", 0},
        {1601y / January / 1d, 0, 0, "", 35},
    };
    const std::vector<std::vector<std::string>> read = ReadCsv(ToCsv(rows));
    ASSERT_EQ(read.size(), rows.size() + 1);
    EXPECT_EQ(read[0], (std::vector<std::string>{"date", "temperature", "first_day", "mucus", "ovulation",
                                                 "intercourse", "comment", "cycle_day"}));
    EXPECT_EQ(read[1], (std::vector<std::string>{"2026-12-01", "36.5", "1", "0", "0", "1", "zu spät", "1"}));
    EXPECT_EQ(read[2],
              (std::vector<std::string>{"2026-12-02", "35.5", "0", "1", "1", "0", "a,b \"c\"", "2"}));
    EXPECT_EQ(read[3][6], "zwei\r\nZeilen");
    EXPECT_EQ(read[4], (std::vector<std::string>{"1601-01-01", "0.0", "0", "0", "0", "0", "", "35"}));
}

} // namespace
} // namespace plenta
