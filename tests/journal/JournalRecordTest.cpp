// SPDX-License-Identifier: GPL-3.0-or-later
// Reading rules for single lines, the hostile lines a hand-edited journal may hold, and the record writer.
#include "journal/JournalRecord.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace plenta {
namespace {

using namespace std::chrono;

TEST(ReadRecordTest, TakesTheLineApart) {
    const struct {
        std::string_view line; // without line end, in 1252 bytes
        int dateKey;
        int temperature;
        std::uint8_t marks;
        const char *attribute;
        const char *comment;
    } cases[] = {
        {"2003/04/05,36.5,SE,alk", 20030405, 365, 6, "SE", "alk"},
        {"2003/04/05,36.5,,alk", 20030405, 365, 0, "", "alk"},
        {"2003/04/05,36.5,,", 20030405, 365, 0, "", ""},
        {"2003/04/05,36.5,,,", 20030405, 365, 0, "", ""},
        {"2003/04/05,36.5,1SX,zu sp\xE4t", 20030405, 365, 13, "1SX", "zu sp\xE4t"},
        {"2003/04/05;36.5;E;alk", 20030405, 365, 2, "E", "alk"},
        {"2003/04/05,37.0,sx,", 20030405, 370, 0, "sx", ""},
        {"2003/04/05,36.5,XS,", 20030405, 365, 5, "XS", ""},
        {"2003/04/05\t36.5\tS\tmit Tab", 20030405, 365, 4, "S", "mit Tab"},
        {"2003/04/05,36.5,", 20030405, 365, 0, "", ""},
        {"2003/04/05,36.5,S,,,a b", 20030405, 365, 4, "S", "a b"},
        // A comment is read whole, less trailing separators and blanks; inner commas are its own.
        {"2003/04/05,36.5,,zu sp\xE4t, ,\t \v", 20030405, 365, 0, "", "zu sp\xE4t"},
        {"2003/04/05,36.5,E,a, b;c\td", 20030405, 365, 2, "E", "a, b;c\td"},
        {"2003/04/05 36.5 E  zwei  Worte ", 20030405, 365, 2, "E", "zwei  Worte"},
        // A NUL ends the text: nothing after it is attribute or comment.
        {std::string_view("2003/04/05,36.5,S,alk\0 Rest", 27), 20030405, 365, 4, "S", "alk"},
        {std::string_view("2003/04/05,36.5,\0SE,alk", 24), 20030405, 365, 0, "", ""},
        // An attribute longer than four letters keeps its first four; the fifth carries no mark.
        {"2003/04/05,36.5,SEXQ1,c", 20030405, 365, 7, "SEXQ", "c"},
        // atoi reads blanks and a sign; a padded day still gives the date.
        {"2003/ 4/ 5,36.5,S,", 20030405, 365, 4, "S", ""},
        {"2004/02/29,99.9,,", 20040229, 999, 0, "", ""},
        {"2004/02/29,05.3,,", 20040229, 53, 0, "", ""},
    };
    for (const auto &c : cases) {
        const auto record = ReadRecord(c.line);
        ASSERT_TRUE(record.has_value()) << c.line;
        EXPECT_EQ(record->dateKey, c.dateKey) << c.line;
        EXPECT_EQ(record->temperature, c.temperature) << c.line;
        EXPECT_EQ(record->marks, c.marks) << c.line;
        EXPECT_EQ(record->attribute, c.attribute) << c.line;
        EXPECT_EQ(record->comment, c.comment) << c.line;
    }
}

TEST(ReadRecordTest, SkipsLinesThatAreNoRecord) {
    const std::string_view malformed[] = {
        "",
        "2003/04/05,36.5",   // 15 bytes
        "2003/02/30,36.5,,", // no calendar date
        "2003/13/01,36.5,,", // month 13
        "2003/00/01,36.5,,", // month 0
        "0000/01/01,36.5,,", // year 0
        "Tag,Temperatur,Attribut,Kommentar",
        "2003/04/05,36,5,,",                 // comma for point
        "2003/04/05,3.65,,",                 // one whole digit
        "2003/04/05, 36.5,,",                // blank in the temperature
        "2003/04/05,36.55,,",                // a second decimal is no 36.5
        "2003/04/05,36.5x,,",                // nor is a letter after the digit
        "2003/04/05,-6.5,,",                 // sign in the temperature
        "99999999999999999999/04/05,36.5,,", // huge year: no overflow, no date
        "                                                            ",
        // A NUL ends the text before the attribute's offset.
        std::string_view("2003/04/05,36.5\0,S,alk", 22),
    };
    for (const std::string_view line : malformed) {
        EXPECT_FALSE(ReadRecord(line).has_value()) << '"' << line << '"';
    }
}

TEST(ReadRecordTest, ReadsLinesOfAnyLength) {
    const std::string longComment(5000, 'k');
    const std::string line = "2003/04/05,36.5,S," + longComment + " rest";
    const auto record = ReadRecord(line);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->comment, longComment + " rest");
}

TEST(AtoiAtTest, FollowsAtoi) {
    struct Case {
        const char *text;
        std::size_t offset;
        int value;
    } const cases[] = {
        {"2003/04/05", 0, 2003},
        {"2003/04/05", 5, 4},
        {"2003/04/05", 8, 5},
        {"  -12x", 0, -12},
        {"+7", 0, 7},
        {"abc", 0, 0},
        {"12", 5, 0},
        {"0099", 0, 99},
        {"- 5", 0, 0},
        {"99999999999", 0, 2147483647},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(AtoiAt(c.text, c.offset), c.value) << c.text << " @" << c.offset;
    }
    EXPECT_EQ(DateKey("2003/04/05,36.5,,"), 20030405);
    EXPECT_EQ(DateKey("Tag,Temperatur,Attribut,Kommentar"), 0);
}

TEST(FormatRecordTest, WritesTheFixedLayout) {
    const Date date = 2003y / April / 5d;
    EXPECT_EQ(FormatRecord(date, 365, "SE", "zu sp\xC3\xA4t"), "2003/04/05,36.5,SE,zu sp\xE4t\r\n");
    EXPECT_EQ(FormatRecord(date, 365, "", "alk"), "2003/04/05,36.5,,alk\r\n");
    EXPECT_EQ(FormatRecord(date, 375, "", ""), "2003/04/05,37.5,,\r\n");
    EXPECT_EQ(FormatRecord(date, 355, "1", ""), "2003/04/05,35.5,1,\r\n");
    EXPECT_EQ(FormatRecord(999y / January / 9d, 53, "", ""), "0999/01/09,05.3,,\r\n");
    EXPECT_EQ(RecordDatePrefix(date), "2003/04/05");
}

TEST(FormatRecordTest, EveryTemperatureReadsBackAtItsOffsets) {
    for (int temperature = 0; temperature <= 999; ++temperature) {
        const std::string line = FormatRecord(2003y / April / 5d, temperature, "X", "c");
        const auto record = ReadRecord(StripLineEnd(line));
        ASSERT_TRUE(record.has_value()) << line;
        EXPECT_EQ(record->temperature, temperature);
        EXPECT_EQ(record->attribute, "X");
    }
}

TEST(JournalRecordTest, FormatDateWritesWhatPrintfWrites) {
    // The digits are written by hand for years 0 to 9999 and by printf beyond: both must give printf's text.
    for (const int y : {-1, 0, 7, 42, 999, 1000, 2003, 9999, 10000}) {
        for (const auto &[m, d] : {std::pair{1U, 1U}, std::pair{2U, 29U}, std::pair{12U, 31U}}) {
            const Date date{year{y}, month{m}, day{d}};
            char record[24];
            char selection[24];
            std::snprintf(record, sizeof record, "%04d/%02u/%02u", y, m, d);
            std::snprintf(selection, sizeof selection, "%d/%02u/%02u", y, m, d);
            EXPECT_EQ(FormatDate(DateStyle::Record, date), record);
            EXPECT_EQ(FormatDate(DateStyle::Selection, date), selection);
        }
    }
}

} // namespace
} // namespace plenta
