// SPDX-License-Identifier: GPL-3.0-or-later
// report seen from outside: its pages, its text read back with pdftotext against the journal's export, and
// the chart on its first page rendered with pdftoppm against the chart command's PNG, pixel for pixel.
#include "ToolRunner.h"

#include "chart/CycleReport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <map>
#include <sstream>

namespace plenta::test {
namespace {

const std::string PDFTOTEXT = "/usr/bin/pdftotext";
const std::string PDFTOPPM = "/usr/bin/pdftoppm";
const std::string PDFINFO = "/usr/bin/pdfinfo";

class ReportCommand : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(PDFTOTEXT) || !std::filesystem::exists(PDFTOPPM)) {
            GTEST_SKIP() << "poppler-utils are not installed";
        }
        // Eight first days 28 days apart from 1 May (seven whole cycles and the running one), a mucus run, a
        // rise after the ovulation mark, and comments with umlauts and commas.
        std::string text = HEADER;
        const std::chrono::sys_days first{std::chrono::year{2026} / 5 / 1};
        for (int i = 0; i < 216; ++i) {
            const std::chrono::year_month_day date{first + std::chrono::days{i}};
            const int day = i % 28;
            const char *marks = day == 0 ? "1" : day >= 10 && day <= 13 ? "S" : day == 14 ? "EX" : "";
            const int temperature = 363 + (day > 14 ? 4 : 0) + i % 3;
            char line[80];
            std::snprintf(line, sizeof line, "%04d/%02u/%02u,%d.%d,%s,%s\r\n", static_cast<int>(date.year()),
                          static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                          temperature / 10, temperature % 10, marks,
                          i % 9 == 0 ? "sp\xE4t, m\xFC"
                                       "de"
                                     : "");
            text += line;
        }
        WriteBytes(journal_, text);
    }

    ToolResult Run(std::vector<std::string> args, const std::string &locale = "C.UTF-8") const {
        args.insert(args.begin(), {"--journal", journal_.string(), "--today", "2026-12-02"});
        return RunTool(args, {{"LC_ALL", locale}});
    }

    TempFolder folder_;
    std::filesystem::path journal_ = folder_ / "plenta.txt";
    std::filesystem::path pdf_ = folder_ / "report.pdf";
};

TEST_F(ReportCommand, PagesAndTextMatchTheJournal) {
    for (const auto &[cycles, pages, from] : {std::tuple{"6", "8", "2026-05-29"}, {"2", "4", "2026-09-18"}}) {
        ASSERT_EQ(Run({"report", "--out", pdf_.string(), "--cycles", cycles}).exitCode, 0);
        EXPECT_NE(
            RunProgram(PDFINFO, {pdf_.string()}).out.find(std::string("Pages:           ") + pages + "\n"),
            std::string::npos);
        const std::string text = RunProgram(PDFTOTEXT, {"-layout", pdf_.string(), "-"}).out;
        EXPECT_NE(text.find("Zyklusbericht"), std::string::npos);
        EXPECT_NE(text.find(std::string(from) + " bis 2026-12-02"), std::string::npos) << text.substr(0, 200);
        std::istringstream stats(Run({"stats"}).out);
        for (std::string line; std::getline(stats, line);) {
            EXPECT_NE(text.find(line.substr(0, line.find('\t'))), std::string::npos) << line;
        }
        // Every exported row from the first shown cycle on is a table row: date, cycle day, temperature, and
        // its comment.
        std::map<std::string, std::string> tableRows;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (line.size() > 10 && line[4] == '-' && line[7] == '-') {
                tableRows[line.substr(0, 10)] = line;
            }
        }
        std::istringstream csv(Run({"export"}).out);
        std::size_t shown = 0;
        for (std::string row; std::getline(csv, row);) {
            // The date and the temperature stand before the comment, which may be quoted.
            std::vector<std::string> field(1);
            for (const char c : row.substr(0, 16)) {
                if (c == ',') {
                    field.emplace_back();
                } else {
                    field.back().push_back(c);
                }
            }
            if (field[0] < from || field[0] == "date") {
                continue;
            }
            ++shown;
            std::istringstream cells(tableRows[field[0]]);
            std::string date, cycleDay, temperature;
            cells >> date >> cycleDay >> temperature;
            EXPECT_EQ(cycleDay, row.substr(row.rfind(',') + 1, row.size() - row.rfind(',') - 2)) << row;
            EXPECT_EQ(temperature, field[1]) << row;
            EXPECT_EQ(tableRows[field[0]].find("spät, müde") != std::string::npos,
                      row.find("spät") != std::string::npos)
                << row;
        }
        EXPECT_EQ(tableRows.size(), shown);
    }
}

// The report's headings, table head, mark words and statistics speak the tool's language; German under C.
TEST_F(ReportCommand, WordsFollowTheLanguage) {
    const struct {
        std::string locale;
        std::vector<std::string> words;
    } cases[] = {
        {"C.UTF-8", {"Zyklusbericht", "2026-05-29 bis 2026-12-02", "Zyklustag", "Eisprung", "Datenbank hat"}},
        {"en_US.UTF-8",
         {"Cycle report", "2026-05-29 to 2026-12-02", "Cycle day", "ovulation", "The journal holds"}},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(Run({"report", "--out", pdf_.string()}, c.locale).exitCode, 0);
        const std::string text = RunProgram(PDFTOTEXT, {"-layout", pdf_.string(), "-"}).out;
        for (const std::string &word : c.words) {
            EXPECT_NE(text.find(word), std::string::npos) << c.locale << ": " << word;
        }
    }
}

TEST_F(ReportCommand, FirstPageChartIsTheChartCommandsPixels) {
    ASSERT_EQ(Run({"report", "--out", pdf_.string()}).exitCode, 0);
    const std::filesystem::path png = folder_ / "chart.png";
    ASSERT_EQ(Run({"chart", "--out", png.string(), "--scale", std::to_string(REPORT_CHART_SCALE)}).exitCode,
              0);
    ASSERT_EQ(RunProgram(PDFTOPPM, {"-r", std::to_string(REPORT_DPI), "-f", "1", "-l", "1", "-png",
                                    pdf_.string(), (folder_ / "page").string()})
                  .exitCode,
              0);
    const QImage page = QImage(QString::fromStdString((folder_ / "page-1.png").string()))
                            .convertToFormat(QImage::Format_RGB32);
    const QImage chart = QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_RGB32);
    const int rows = REPORT_CHART_ROWS * REPORT_CHART_SCALE;
    ASSERT_GE(chart.height(), rows);
    ASSERT_EQ(page.copy(REPORT_CHART_LEFT, REPORT_CHART_TOP, chart.width(), rows),
              chart.copy(0, 0, chart.width(), rows));
}

} // namespace
} // namespace plenta::test
