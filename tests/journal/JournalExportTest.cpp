// The export's rows from a real journal, and its CSV read back by an independent RFC 4180 reader.
#include "JournalExport.h"
#include "TempFolder.h"

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

TEST(JournalExport, RowsAreTheScansRecordsWithTheirCycleDays) {
    test::TempFolder folder;
    const std::filesystem::path journal = folder / "plenta.txt";
    EXPECT_FALSE(ReadExportRows(journal)) << "no journal, nothing to export";
    test::WriteBytes(journal, "2026/11/30,36.0,1,Kopf\r\n"           // the header, whatever it holds
                              "2026/12/01,36.5,1,sp\xE4t\r\n"        // 1252 bytes
                              "kaputt\r\n"                           // no record
                              "2026/12/03,36.7,SE,\r\n"              // two days later: cycle day 3
                              "2026/12/04,36.8,X,noch geschrieben"); // after the last LF: no line yet
    const std::optional<std::vector<ExportRow>> rows = ReadExportRows(journal);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].date, 2026y / December / 1d);
    EXPECT_EQ((*rows)[0].comment, "spät");
    EXPECT_EQ((*rows)[0].cycleDay, 1);
    EXPECT_EQ((*rows)[1].temperature, 367);
    EXPECT_EQ((*rows)[1].marks, MARK_MUCUS | MARK_OVULATION);
    EXPECT_EQ((*rows)[1].cycleDay, 3);
}

} // namespace
} // namespace plenta
