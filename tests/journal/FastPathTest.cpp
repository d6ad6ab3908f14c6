// SPDX-License-Identifier: GPL-3.0-or-later
// The scan's short cuts must give what the general rules give: the date read eight bytes at a time, the
// record reader's road for written lines with the month it keeps, and the comment list's own hash table as it
// grows.
#include "journal/CommentList.h"
#include "journal/DayNumbers.h"
#include "journal/JournalRecord.h"
#include "journal/RecordReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

namespace plenta {
namespace {

TEST(FastPathTest, DateKeyAgreesWithAtoiWhateverByteStandsAnywhere) {
    const std::string written = "2003/04/05,36.5,S,\r\n";
    // Digits, the separators around them, and bytes one bit away from a digit or a separator.
    const std::string bytes{'0', '5', '9', '/', ':', '-', ' ', '\0', '\xB0', '\xB9', '\xAF', '\x10', '\x3F'};
    for (std::size_t position = 0; position <= 11; ++position) {
        for (const char byte : bytes) {
            std::string line = written;
            line[position] = byte;
            const std::int64_t key =
                std::int64_t{AtoiAt(line, 0)} * 10000 + AtoiAt(line, 5) * 100 + AtoiAt(line, 8);
            const std::int64_t general = std::clamp<std::int64_t>(key, INT32_MIN, INT32_MAX);
            EXPECT_EQ(DateKey(line), general) << "byte " << static_cast<int>(byte) << " at " << position;
        }
    }
    EXPECT_EQ(DateKey("2003/04/05"), 20030405) << "ten bytes: too short for the short cut";
}

TEST(FastPathTest, RecordReaderAgreesWithTheRulesWhateverByteStandsAnywhere) {
    const std::string_view written[] = {
        "2004/02/29,36.5,SE,alk",
        "2003/04/30,37.0,X,zu sp\xE4t ,",
        "1601/12/31,05.3,1SEXQ,a;b\t",
        "2003/01/01,36.5,,",
        // Eight and nine bytes after the temperature: the last that is told from one word, the first that is
        // not.
        "2003/04/05,36.5,SE, a b ",
        "2003/04/05,36.5,1X,sp\xE4t,",
    };
    // Digits, every separator and blank, the bytes around the digits, a NUL, mark letters and a 1252 letter.
    const std::string bytes{'0', '1', '2',  '9',  '/',  ':', ',', ';',   '\t',
                            ' ', '.', '\0', '\r', '\v', 'S', 'x', '\xE4'};
    for (const std::string_view base : written) {
        for (std::size_t position = 0; position < base.size(); ++position) {
            for (const char byte : bytes) {
                std::string line(base);
                line[position] = byte;
                // The unchanged line goes first, so the reader holds its year and month: a changed year or
                // month must not be taken from there.
                RecordReader reader;
                RecordFields fields;
                ASSERT_TRUE(reader.Read(base, fields));
                const bool read = reader.Read(line, fields);
                const std::optional<RecordFields> expected = ReadRecordByRules(line);
                ASSERT_EQ(read, expected.has_value()) << '"' << line << '"';
                if (read) {
                    EXPECT_EQ(fields.date, expected->date) << line;
                    EXPECT_EQ(fields.dateKey, expected->dateKey) << line;
                    EXPECT_EQ(fields.dayNumber, expected->dayNumber) << line;
                    EXPECT_EQ(fields.temperature, expected->temperature) << line;
                    EXPECT_EQ(fields.marks, expected->marks) << line;
                    EXPECT_EQ(fields.attribute, expected->attribute) << line;
                    EXPECT_EQ(fields.comment, expected->comment) << line;
                }
            }
        }
    }
}

TEST(FastPathTest, RecordReaderCountsDayNumbersAcrossMonthsYearsAndJumps) {
    // One reader walks the lines in turn, as the scan does: the month it keeps must never leak into a line of
    // another month, nor survive a line that names no month.
    struct Step {
        const char *line;
        int year, month, day; // 0 when the line is no record
    };
    constexpr Step walk[] = {
        {"2003/12/30,36.5,,", 2003, 12, 30}, {"2003/12/31,36.5,,", 2003, 12, 31},
        {"2004/01/01,36.5,,", 2004, 1, 1},   {"2004/02/28,36.5,,", 2004, 2, 28},
        {"2004/02/29,36.5,,", 2004, 2, 29},  {"2004/02/30,36.5,,", 0, 0, 0},
        {"2004/03/01,36.5,,", 2004, 3, 1},   {"2004/02/01,36.5,,", 2004, 2, 1},
        {"1900/02/29,36.5,,", 0, 0, 0},      {"1900/02/28,36.5,,", 1900, 2, 28},
        {"1900/03/01,36.5,,", 1900, 3, 1},   {"2000/02/29,36.5,,", 2000, 2, 29},
        {"2004/13/01,36.5,,", 0, 0, 0},      {"2004/03/31,36.5,,", 2004, 3, 31},
        {"1600/12/31,36.5,,", 0, 0, 0},      {"1601/01/01,36.5,,", 1601, 1, 1}, // day numbers begin in 1601
        {"0001/01/01,36.5,,", 0, 0, 0},      {"9999/12/31,36.5,,", 9999, 12, 31},
        {"2004/04/05;36.5;;", 2004, 4, 5},   {"2004/04/06,36.5,,", 2004, 4, 6},
    };
    RecordReader reader;
    for (const Step &step : walk) {
        RecordFields fields;
        ASSERT_EQ(reader.Read(step.line, fields), step.year != 0) << step.line;
        if (step.year != 0) {
            const Date date{std::chrono::year{step.year},
                            std::chrono::month{static_cast<unsigned>(step.month)},
                            std::chrono::day{static_cast<unsigned>(step.day)}};
            EXPECT_EQ(fields.date, date) << step.line;
            EXPECT_EQ(fields.dayNumber, DayNumber(date)) << step.line;
        }
    }
}

TEST(FastPathTest, CommentListKeepsHundredsOfCommentsApart) {
    CommentList list;
    std::vector<std::string> expected;
    for (int i = 0; i < 300; ++i) {
        const std::string comment = "tag" + std::to_string(i) + "\xE4";
        list.Add(comment);
        list.Add("");
        expected.push_back("tag" + std::to_string(i) + "ä");
    }
    for (int i = 299; i >= 0; --i) {
        list.Add("TAG" + std::to_string(i) + "\xC4");
    }
    EXPECT_EQ(list.Take(), expected);
}

TEST(FastPathTest, CommentListTellsSpellingsApartByEveryByte) {
    // Comments of every length around the short spellings' bounds, each differing from the others in one
    // byte; each comes twice, and once more in capitals, which the list must fold into the first.
    CommentList list;
    std::vector<std::string> expected;
    for (std::size_t size = 1; size <= 18; ++size) {
        for (std::size_t position = 0; position < size; ++position) {
            std::string comment(size, 'a');
            comment[position] = 'b';
            std::string capitals(size, 'A');
            capitals[position] = 'B';
            list.Add(comment);
            list.Add(comment);
            list.Add(capitals);
            expected.push_back(comment);
        }
    }
    EXPECT_EQ(list.Take(), expected);
}

} // namespace
} // namespace plenta
