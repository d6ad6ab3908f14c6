// SPDX-License-Identifier: GPL-3.0-or-later
// The import's mapping of drip's rows and Plenta's own CSV to records, its refusals of what is no such
// export, and the export's formula guard that the import undoes.
#include "journal/JournalImport.h"
#include "journal/JournalExport.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace plenta {
namespace {

using namespace std::chrono;
using namespace std::string_literals;

// drip's export names its columns with dots; this sample puts them out of order among columns the import
// does not read, as drip's header has many more.
constexpr std::string_view DRIP_HEADER = "date,temperature.value,temperature.exclude,temperature.time,"
                                         "bleeding.value,bleeding.exclude,mucus.feeling,mucus.value,"
                                         "mucus.exclude,note.value,sex.solo,sex.partner,pain.cramps";

// One drip day: the cells the import reads, the rest empty.
struct DripDay {
    std::string date{}, temperature{}, excluded{}, bleeding{}, bleedingExcluded{}, mucus{}, mucusExcluded{},
        note{}, partner{};
};

std::string DripCsv(const std::vector<DripDay> &days) {
    std::string csv = std::string(DRIP_HEADER) + "\n";
    for (const DripDay &d : days) {
        csv += d.date + "," + d.temperature + "," + d.excluded + ",07:30," + d.bleeding + "," +
               d.bleedingExcluded + ",," + d.mucus + "," + d.mucusExcluded + "," + d.note + ",," + d.partner +
               ",\n";
    }
    return csv;
}

std::vector<std::string> Records(const ImportedRecords &imported) {
    std::vector<std::string> lines;
    for (const auto &[key, line] : imported.records.records) {
        lines.push_back(line);
    }
    return lines;
}

struct DripCase {
    const char *rule;
    std::vector<DripDay> days;
    std::optional<std::int32_t> defaultTemperature;
    std::vector<std::string> records;   // in 1252 bytes, without line end
    std::vector<std::string> skipped;   // reasons, in row order
    std::vector<std::string> changed{}; // reasons, in row order
};

TEST(DripImport, EachRuleOfTheMapping) {
    const std::vector<DripCase> cases = {
        {"temperature rounded half up on its text",
         {{"2026-03-01", "36.55"}, {"2026-03-02", "36.45"}, {"2026-03-03", "36.449"}, {"2026-03-04", "37"}},
         {},
         {"2026/03/01,36.6,,", "2026/03/02,36.5,,", "2026/03/03,36.4,,", "2026/03/04,37.0,,"},
         {}},
        {"excluded or missing temperature skipped",
         {{"2026-03-01", "36.5", "true"}, {"2026-03-02", ""}, {"2026-03-03", "36.7", "false"}},
         {},
         {"2026/03/03,36.7,,"},
         {"die Temperatur des Tages ist als ausgeschlossen markiert", "der Tag hat keine Temperatur"}},
        {"the default temperature fills them",
         {{"2026-03-01", "36.5", "true"}, {"2026-03-02", ""}},
         365,
         {"2026/03/01,36.5,,", "2026/03/02,36.5,,"},
         {}},
        {"temperatures a save refuses",
         {{"2026-03-01", "35.44"}, {"2026-03-02", "37.55"}, {"2026-03-03", "98.6"}, {"2026-03-04", "hoch"}},
         {},
         {},
         {"die Temperatur 35.4 liegt außerhalb von 35.5 bis 37.5",
          "die Temperatur 37.6 liegt außerhalb von 35.5 bis 37.5",
          "die Temperatur 98.6 liegt außerhalb von 35.5 bis 37.5", "die Temperatur 'hoch' ist keine Zahl"}},
        {"first day where bleeding begins, rows in any order",
         {{"2026-03-03", "36.5", "", "2"},
          {"2026-03-01", "36.5", "", "0"},
          {"2026-03-02", "36.5", "", "1"},
          {"2026-03-05", "36.5", "", "3"},
          {"2026-03-07", "36.5", "", "1", "true"},
          {"2026-03-08", "36.5", "", "1"}},
         {},
         {"2026/03/01,36.5,,", "2026/03/02,36.5,1,", "2026/03/03,36.5,,", "2026/03/05,36.5,1,",
          "2026/03/07,36.5,,", "2026/03/08,36.5,1,"},
         {}},
        {"bleeding on a day without temperature still starts the run",
         {{"2026-03-01", "", "", "2"}, {"2026-03-02", "36.5", "", "2"}},
         {},
         {"2026/03/02,36.5,,"},
         {"der Tag hat keine Temperatur"}},
        {"mucus from 2 unless excluded, intercourse from sex.partner",
         {{"2026-03-01", "36.5", "", "", "", "1"},
          {"2026-03-02", "36.5", "", "", "", "2"},
          {"2026-03-03", "36.5", "", "", "", "4", "true"},
          {"2026-03-04", "36.5", "", "1", "", "3", "", "", "true"},
          {"2026-03-05", "36.5", "", "", "", "", "", "", "false"}},
         {},
         {"2026/03/01,36.5,,", "2026/03/02,36.5,S,", "2026/03/03,36.5,,", "2026/03/04,36.5,1SX,",
          "2026/03/05,36.5,,"},
         {}},
        {"note as comment in 1252, cut to 39 characters",
         {{"2026-03-01", "36.5", "", "", "", "", "", "zu spät"},
          {"2026-03-02", "36.5", "", "", "", "", "", "Kopf \xE2\x9C\x93 weh"},
          {"2026-03-03", "36.5", "", "", "", "", "", std::string(45, 'a')},
          {"2026-03-04", "36.5", "", "", "", "", "", "\"zwei\nZeilen, ja\""}},
         {},
         {"2026/03/01,36.5,,zu sp\xE4t", "2026/03/02,36.5,,Kopf ? weh",
          "2026/03/03,36.5,," + std::string(39, 'a'), "2026/03/04,36.5,,zwei Zeilen, ja"},
         {},
         {"die Zeichen \"\xE2\x9C\x93\" des Kommentars gibt es in Windows-1252 nicht, sie wurden zu '?'",
          "der Kommentar wurde auf 39 Zeichen gekürzt"}},
    };
    for (const DripCase &c : cases) {
        SCOPED_TRACE(c.rule);
        const ImportedRecords imported =
            ConvertImport(DripCsv(c.days), {ImportFormat::Drip, c.defaultTemperature});
        ASSERT_EQ(imported.error, "");
        EXPECT_EQ(Records(imported), c.records);
        std::vector<std::string> skipped, changed;
        for (const ImportNote &note : imported.skipped) {
            skipped.push_back(note.reason);
        }
        for (const ImportNote &note : imported.changed) {
            changed.push_back(note.reason);
        }
        EXPECT_EQ(skipped, c.skipped);
        EXPECT_EQ(changed, c.changed);
    }
}

TEST(Import, BadInputIsRefusedAsAWhole) {
    const std::string good = DripCsv({{"2026-03-01", "36.5"}});
    const struct {
        ImportFormat format;
        std::string text;
        std::string error;
    } cases[] = {
        {ImportFormat::Drip, "", "die Datei ist leer: keine Kopfzeile"},
        {ImportFormat::Drip, "2026-03-01,36.5\n", "ihr fehlt die Spalte 'date'"},
        {ImportFormat::Drip, "date,temperature\n2026-03-01,36.5\n", "die Spalte 'temperature.value'"},
        {ImportFormat::Drip, "date,temperature.value,date\n", "nennt die Spalte 'date' zweimal"},
        {ImportFormat::Drip, good + "2026-02-30,36.5,,,,,,,,,,,\n", "Zeile 3: '2026-02-30' ist kein Datum"},
        {ImportFormat::Drip, good + "01.03.2026,36.5,,,,,,,,,,,\n", "Zeile 3: '01.03.2026' ist kein Datum"},
        {ImportFormat::Drip, good + "2026-03-02,36.5\n", "Zeile 3: 2 Felder, wo die Kopfzeile 13 hat"},
        {ImportFormat::Drip, good + "2026-03-02,36.5,ja,,,,,,,,,,\n", "temperature.exclude ist 'ja'"},
        {ImportFormat::Drip, good + "2026-03-02,36.5,,,viel,,,,,,,,\n", "bleeding.value ist 'viel'"},
        {ImportFormat::Drip, good + "2026-03-02,\"36.5,,,,,,,,,,,\n",
         "Zeile 3: ein Feld in Anführungszeichen wird nie geschlossen"},
        {ImportFormat::Drip, "GIF89a\x01\x00\x01\x00\x00\x00"s, "NUL-Bytes"},
        {ImportFormat::Drip, "date,temperature.value\n2026-03-01,\xFF\n", "kein UTF-8-Text (Byte 35)"},
        {ImportFormat::PlentaCsv, good, "nicht die Kopfzeile von Plentas CSV-Export"},
        {ImportFormat::PlentaCsv, std::string(CSV_HEADER) + "\n2026-03-01,36.5,1,0,0,0,,1,x\n", "9 Felder"},
        {ImportFormat::PlentaCsv, std::string(CSV_HEADER) + "\n2026-03-01,36.5,ja,0,0,0,,1\n",
         "das Zeichen 'ja' ist weder 0 noch 1"},
        {ImportFormat::PlentaCsv, std::string(CSV_HEADER) + "\n1600-12-31,36.5,0,0,0,0,,0\n", "kein Datum"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NE(ConvertImport(c.text, {c.format, {}}).error.find(c.error), std::string::npos)
            << ConvertImport(c.text, {c.format, {}}).error;
    }
}

TEST(Import, PlentaCsvUndoesTheExportsFormulaGuard) {
    const std::vector<ExportRow> rows = {
        {2026y / December / 1d, 365, MARK_FIRST_DAY, "=1+1", 1},
        {2026y / December / 2d, 366, MARK_MUCUS | MARK_INTERCOURSE, "'ne Erkältung", 2},
        {2026y / December / 3d, 367, MARK_OVULATION, "-, +\"x\"", 3},
        {2026y / December / 4d, 5, 0, "@a\tb", 4},
        {2026y / December / 5d, 368, 0, "ok", 5},
    };
    const std::string csv = ToCsv(rows);
    EXPECT_NE(csv.find("\r\n2026-12-01,36.5,1,0,0,0,'=1+1,1\r\n"), std::string::npos);
    EXPECT_NE(csv.find(",''ne Erkältung,"), std::string::npos);
    EXPECT_NE(csv.find(",\"'-, +\"\"x\"\"\","), std::string::npos);
    const ImportedRecords imported = ConvertImport(csv, {});
    ASSERT_EQ(imported.error, "");
    EXPECT_EQ(Records(imported),
              (std::vector<std::string>{"2026/12/01,36.5,1,=1+1", "2026/12/02,36.6,SX,'ne Erk\xE4ltung",
                                        "2026/12/03,36.7,E,-, +\"x\"", "2026/12/04,00.5,,@a\tb",
                                        "2026/12/05,36.8,,ok"}));
}

TEST(Import, UnfitFilesLeaveTheJournalUntouched) {
    test::TempFolder folder;
    const std::string journal = std::string(test::HEADER) + "2026/12/01,36.5,,\r\n";
    test::WriteBytes(folder.Journal(), journal);
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "folder");
    test::WriteBytes(folder / "huge.csv", "");
    std::filesystem::resize_file(folder / "huge.csv", MAX_IMPORT_BYTES + 1);
    test::WriteBytes(folder / "binary.csv", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    const struct {
        const char *file;
        const char *error;
    } cases[] = {{"fifo", "keine reguläre Datei"},
                 {"folder", "keine reguläre Datei"},
                 {"missing", "No such file"},
                 {"huge.csv", "größer als 16 MiB"},
                 {"binary.csv", "NUL-Bytes"}};
    for (const auto &c : cases) {
        const ImportResult result =
            ImportIntoJournal(folder.Journal(), folder / c.file, {}, MergePreference::Other);
        EXPECT_NE(result.imported.error.find(c.error), std::string::npos)
            << c.file << ": " << result.imported.error;
        EXPECT_EQ(test::ReadBytes(folder.Journal()), journal);
    }
}

} // namespace
} // namespace plenta
