// SPDX-License-Identifier: GPL-3.0-or-later
// import seen from outside: the CSV round trip byte for byte, drip's summary, and what it refuses.
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plenta::test {
namespace {

class ImportCommand : public testing::Test {
protected:
    ToolResult Run(const std::filesystem::path &journal, std::vector<std::string> args) const {
        args.insert(args.begin(), {"--journal", journal.string()});
        return RunTool(args);
    }

    TempFolder folder_;
    std::filesystem::path journal_ = folder_ / "plenta.txt";
};

TEST_F(ImportCommand, CsvRoundTripIsExactAndAddsNothingToItsOwnJournal) {
    // Comments a spreadsheet would run, one with its own apostrophe, separators, quotes and 1252 letters.
    const std::string journal = HEADER + "2026/11/03,36.4,,vorher\r\n" + "2026/11/04,36.5,1,=SUM(A1)\r\n" +
                                "2026/11/05,36.6,SX,'ne Erk\xE4ltung\r\n" + "2026/11/06,36.7,ES,-2 Grad\r\n" +
                                "2026/11/07,37.5,E,+@ \"zitiert\", mit Komma\r\n" + "2026/11/08,35.5,X,\r\n" +
                                "2026/12/02,36.5,1,\r\n";
    WriteBytes(journal_, journal);
    const std::filesystem::path csv = folder_ / "export.csv";
    ASSERT_EQ(Run(journal_, {"export", "--out", csv.string()}).exitCode, 0);
    const std::string exported = ReadBytes(csv);

    const std::filesystem::path fresh = folder_ / "fresh.txt";
    const ToolResult imported = Run(fresh, {"import", csv.string()});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out,
              "importiert aus " + csv.string() +
                  ": 7 neu, 0 Konflikte (wie im Tagebuch behalten), 0 schon im Tagebuch, 0 nicht "
                  "importiert\n");
    const ToolResult again = Run(fresh, {"export"});
    EXPECT_EQ(again.out, exported);

    const ToolResult back = Run(journal_, {"import", "--format", "csv", csv.string()});
    EXPECT_EQ(back.exitCode, 0);
    EXPECT_NE(back.out.find(": 0 neu, 0 Konflikte (wie im Tagebuch behalten), 7 schon"), std::string::npos);
    EXPECT_EQ(ReadBytes(journal_), journal);
}

TEST_F(ImportCommand, DripRowsWithConflictsAndReasons) {
    WriteBytes(journal_, HEADER + "2026/03/01,36.5,,\r\n2026/03/02,36.9,,eigener\r\n");
    const std::filesystem::path drip = folder_ / "drip.csv";
    WriteBytes(drip, "note.value,bleeding.value,temperature.value,date,mood.happy\n"
                     ",,36.5,2026-03-01,\n"
                     "anders,2,36.7,2026-03-02,true\n"
                     "\x1b]0;pwned\x07,,,2026-03-03,\n"
                     ",,38.1,2026-03-04,\n"
                     ",1,36.6,2026-03-05,\n");
    ToolResult result = Run(journal_, {"import", "--format", "drip", "--prefer", "other", drip.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(
        result.out,
        "Konflikt 2026-03-02: Tagebuch \"2026/03/02,36.9,,eigener\", importiert "
        "\"2026/03/02,36.7,1,anders\"; behalten: importiert\n"
        "nicht importiert: Zeile 4 (2026-03-03): der Tag hat keine Temperatur\n"
        "nicht importiert: Zeile 5 (2026-03-04): die Temperatur 38.1 liegt außerhalb von 35.5 bis 37.5\n"
        "importiert aus " +
            drip.string() +
            ": 1 neu, 1 Konflikt (wie in der importierten Datei behalten), 1 schon im Tagebuch, 2 "
            "nicht importiert\n");
    EXPECT_EQ(ReadBytes(journal_),
              HEADER + "2026/03/01,36.5,,\r\n2026/03/02,36.7,1,anders\r\n2026/03/05,36.6,1,\r\n");

    result = Run(journal_, {"import", "--format", "drip", "--default-temperature", "36.2", drip.string()});
    EXPECT_NE(result.out.find(": 1 neu, 0 Konflikte"), std::string::npos) << result.out;
    EXPECT_NE(ReadBytes(journal_).find("2026/03/03,36.2,,]0;pwned\r\n"), std::string::npos);
}

TEST_F(ImportCommand, RefusalsTouchNothing) {
    WriteBytes(journal_, HEADER + "2026/03/01,36.5,,\r\n");
    WriteBytes(folder_ / "plenta.csv", "date,temperature\n2026-03-01,36.5\n");
    WriteBytes(folder_ / "bad.csv", "date,temperature.value\n\x1b[2J,36.5\n");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    } cases[] = {
        {{"import", "--format", "drip", (folder_ / "plenta.csv").string()},
         1,
         "plenta-journal: kann '" + (folder_ / "plenta.csv").string() +
             "' nicht importieren: die erste Zeile ist keine Kopfzeile von drips Export: ihr fehlt die "
             "Spalte 'temperature.value'; das Tagebuch ist unverändert\n"},
        {{"import", (folder_ / "plenta.csv").string()}, 1, "nicht die Kopfzeile von Plentas CSV-Export"},
        {{"import", "--format", "drip", (folder_ / "bad.csv").string()},
         1,
         "Zeile 2: '\\x1b[2J' ist kein Datum JJJJ-MM-TT"},
        {{"import", "--default-temperature", "36.5", (folder_ / "plenta.csv").string()},
         2,
         "gilt für den Export von drip"},
        {{"import", "--format", "drip", "--default-temperature", "38.0", "x.csv"}, 2, "Temperatur '38.0'"},
        {{"import", journal_.string()}, 2, "ist das Tagebuch selbst"},
        {{"import", "--format", "json", "x.csv"}, 2, "--format"},
    };
    for (const auto &c : cases) {
        const ToolResult result = Run(journal_, c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args.back();
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
        EXPECT_EQ(ReadBytes(journal_), HEADER + "2026/03/01,36.5,,\r\n");
    }
}

} // namespace
} // namespace plenta::test
