// SPDX-License-Identifier: GPL-3.0-or-later
// conflicts, merge and export seen from outside: what they print, their exit codes and what they leave on
// disk.
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace plenta::test {
namespace {

const std::string D1 = "2026/12/01,36.5,1,alk\r\n";
const std::string D2 = "2026/12/02,36.6,,\r\n";
const std::string D3 = "2026/12/03,36.7,S,\r\n";
const std::string SYNCTHING = "plenta.sync-conflict-20261207-090609-XO4L3VF.txt";
const std::string DROPBOX = "plenta (Anna's conflicted copy 2026-12-04).txt";

class SyncCommands : public testing::Test {
protected:
    ToolResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--journal", journal_.string()});
        return RunTool(args);
    }

    TempFolder folder_;
    std::filesystem::path journal_ = folder_ / "plenta.txt";
};

TEST_F(SyncCommands, ConflictsListsTheCopiesWithWhatTheJournalLacks) {
    WriteBytes(journal_, HEADER + D1 + D3);
    ToolResult result = Run({"conflicts"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "keine Konfliktkopien neben " + journal_.string() + "\n");

    WriteBytes(folder_ / SYNCTHING, HEADER + D1 + D2 + "2026/12/03,36.9,,\r\nkaputt\r\n");
    WriteBytes(folder_ / DROPBOX, HEADER + D1);
    WriteBytes(folder_ / "plenta (copy).txt", HEADER + D2);
    result = Run({"conflicts"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, (folder_ / DROPBOX).string() +
                              " (dropbox): 0 Einträge, die dem Tagebuch fehlen, 0 Einträge weichen ab\n" +
                              (folder_ / SYNCTHING).string() +
                              " (syncthing): 1 Eintrag, der dem Tagebuch fehlt, 1 Eintrag weicht ab, 1 Zeile "
                              "ist kein Eintrag\n");

    result = Run({"conflicts", "--json"});
    EXPECT_EQ(result.exitCode, 0);
    const nlohmann::json json = nlohmann::json::parse(result.out);
    ASSERT_EQ(json["copies"].size(), 2u);
    EXPECT_EQ(json["copies"][1]["scheme"], "syncthing");
    EXPECT_EQ(json["copies"][1]["missing"], 1);
    EXPECT_EQ(json["copies"][1]["differing"], 1);
    EXPECT_EQ(json["copies"][1]["malformed"], 1);
}

TEST_F(SyncCommands, MergeReportsConflictsAndTheSummary) {
    const std::string copy = (folder_ / SYNCTHING).string();
    const std::string firstLine = "2026/11/30,35.5,,Kopf\r\n";
    struct Case {
        std::vector<std::string> options;
        std::string journalAfter;
        std::string kept;
    } const cases[] = {
        {{}, HEADER + firstLine + D1 + D2 + D3, "Tagebuch"},
        {{"--prefer", "other"}, HEADER + firstLine + D1 + D2 + "2026/12/03,36.9,,\r\n", "die andere Datei"},
    };
    for (const Case &c : cases) {
        WriteBytes(journal_, HEADER + D1 + D3);
        // A copy may lack the header: its first line is a record when it is one; a blank line is nothing; a
        // last line without LF is a whole record, as a finished copy has no line still being written.
        WriteBytes(folder_ / SYNCTHING,
                   firstLine + D2 + "2026/12/03,36.9,,\r\nkaputt\r\n\r\n" + D1.substr(0, D1.size() - 2));
        std::vector<std::string> args{"merge"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(copy);
        const ToolResult result = Run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(ReadBytes(journal_), c.journalAfter);
        EXPECT_EQ(result.out,
                  "Konflikt 2026-12-03: Tagebuch \"2026/12/03,36.7,S,\", " + copy +
                      " \"2026/12/03,36.9,,\"; behalten: " + c.kept + "\nnicht übernommen: " + copy +
                      " Zeile 4 ist kein Eintrag: \"kaputt\"\nübernommen aus 1 Datei: 2 neu, 1 " +
                      "Konflikt (wie " + (c.kept == "Tagebuch" ? "im Tagebuch" : "in der anderen Datei") +
                      " behalten), 1 schon im Tagebuch\n");
        EXPECT_TRUE(std::filesystem::exists(copy));
    }
    // A version Syncthing keeps is merged like a copy but never removed; the summary says so.
    std::filesystem::create_directory(folder_ / ".stversions");
    const std::string version = (folder_ / ".stversions" / "plenta~20261207-101112.txt").string();
    WriteBytes(version, HEADER + "2026/12/08,36.1,,\r\n");
    const ToolResult removed = Run({"merge", "--remove-merged", copy, version});
    EXPECT_EQ(removed.exitCode, 0) << removed.err;
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_TRUE(std::filesystem::exists(version));
    EXPECT_NE(removed.out.find("behalten: " + version + ": sie ist eine Fassung, die Syncthing aufbewahrt"),
              std::string::npos)
        << removed.out;
    EXPECT_NE(ReadBytes(journal_).find("2026/12/08,36.1,,"), std::string::npos);
}

TEST_F(SyncCommands, MergeErrorsLeaveEverythingAsItWas) {
    const std::string before = HEADER + D1;
    WriteBytes(journal_, before);
    WriteBytes(folder_ / SYNCTHING, HEADER + D2);
    const std::string copy = (folder_ / SYNCTHING).string();
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    } const cases[] = {
        {{"merge"}, 2},
        {{"merge", "--prefer", "mine", copy}, 2},
        {{"merge", "--remove-merged", journal_.string()}, 2},
        {{"merge", "--remove-merged", copy, (folder_ / "missing.txt").string()}, 1},
        {{"merge", "--remove-merged", copy, folder_.Path().string()}, 1},
        {{"export", "--out", journal_.string()}, 2},
        {{"export", "--format", "xml"}, 2},
    };
    for (const Case &c : cases) {
        const ToolResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args.back();
        EXPECT_FALSE(result.err.empty()) << c.args.back();
        EXPECT_EQ(ReadBytes(journal_), before) << c.args.back();
        EXPECT_TRUE(std::filesystem::exists(copy)) << c.args.back();
    }
}

TEST_F(SyncCommands, ExportCsvAndJsonAgree) {
    // The first line is the header whatever it holds, and bytes after the last LF are no line yet, as for the
    // scan; the comment comes in UTF-8.
    WriteBytes(journal_, "2026/11/30,35.5,1,Kopf\r\n" + D1 + "kaputt\r\n2026/12/03,36.7,SEX,say\"hi\"\r\n" +
                             "2026/12/04,36.8,,sp\xE4t\r\n2026/12/05,36.9");
    const std::filesystem::path out = folder_ / "export.csv";
    ASSERT_EQ(Run({"export", "--out", out.string()}).exitCode, 0);
    EXPECT_EQ(ReadBytes(out), "date,temperature,first_day,mucus,ovulation,intercourse,comment,cycle_day\r\n"
                              "2026-12-01,36.5,1,0,0,0,alk,1\r\n"
                              "2026-12-03,36.7,0,1,1,1,\"say\"\"hi\"\"\",3\r\n"
                              "2026-12-04,36.8,0,0,0,0,spät,4\r\n");
    const ToolResult json = Run({"export", "--format", "json"});
    ASSERT_EQ(json.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::parse(R"([
        {"date": "2026-12-01", "temperature": 36.5, "first_day": true, "mucus": false, "ovulation": false,
         "intercourse": false, "comment": "alk", "cycle_day": 1},
        {"date": "2026-12-03", "temperature": 36.7, "first_day": false, "mucus": true, "ovulation": true,
         "intercourse": true, "comment": "say\"hi\"", "cycle_day": 3},
        {"date": "2026-12-04", "temperature": 36.8, "first_day": false, "mucus": false, "ovulation": false,
         "intercourse": false, "comment": "spät", "cycle_day": 4}])"));
    std::filesystem::remove(journal_);
    EXPECT_EQ(Run({"export"}).exitCode, 1);
}

TEST_F(SyncCommands, ACopysControlCharactersAreShownEscaped) {
    WriteBytes(journal_, HEADER + "2026/12/03,36.7,S,ok\r\n");
    const std::string copy = (folder_ / SYNCTHING).string();
    WriteBytes(copy, HEADER + "\x1b]0;owned\x07\x1b[2J\r\n2026/12/03,36.9,,\x1b[31mrot\\\r\n");
    for (const std::vector<std::string> &args : {std::vector<std::string>{"merge", copy}, {"conflicts"}}) {
        const ToolResult result = Run(args);
        EXPECT_EQ(result.exitCode, 0) << args.front();
        EXPECT_EQ(result.out.find('\x1b'), std::string::npos) << args.front() << ": " << result.out;
        EXPECT_EQ(result.out.find('\x07'), std::string::npos) << args.front();
    }
    const ToolResult merged = Run({"merge", copy});
    EXPECT_NE(merged.out.find("Zeile 2 ist kein Eintrag: \"\\x1b]0;owned\\x07\\x1b[2J\""), std::string::npos)
        << merged.out;
    EXPECT_NE(merged.out.find("\"2026/12/03,36.9,,\\x1b[31mrot\\\\\""), std::string::npos) << merged.out;
}

TEST_F(SyncCommands, ExportOutReplacesOnlyARegularFileAndNeverFollowsALink) {
    WriteBytes(journal_, HEADER + D1);
    ASSERT_EQ(Run({"stats"}).exitCode, 0); // makes the lock file
    const std::filesystem::path victim = folder_ / "victim.txt";
    WriteBytes(victim, "mine\n");
    const std::filesystem::path link = folder_ / "link.csv";
    std::filesystem::create_symlink(victim, link);
    const std::filesystem::path fifo = folder_ / "fifo.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path lock = folder_ / ".plenta.txt.lock";
    for (const std::filesystem::path &out : {link, fifo, lock, folder_.Path()}) {
        const ToolResult result = Run({"export", "--out", out.string()});
        EXPECT_EQ(result.exitCode, 1) << out;
        EXPECT_NE(result.err.find(out.string()), std::string::npos) << result.err;
    }
    EXPECT_EQ(ReadBytes(victim), "mine\n");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(lock), "");
    // A previous export is replaced whole, keeping its permission bits, and no temporary file is left.
    const std::filesystem::path out = folder_ / "export.csv";
    WriteBytes(out, "old\n");
    std::filesystem::permissions(out, std::filesystem::perms(0640));
    ASSERT_EQ(Run({"export", "--out", out.string()}).exitCode, 0);
    EXPECT_EQ(ReadBytes(out).substr(0, 4), "date");
    EXPECT_EQ(std::filesystem::status(out).permissions(), std::filesystem::perms(0640));
    for (const auto &entry : std::filesystem::directory_iterator(folder_.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".export-"), std::string::npos) << entry.path();
    }
}

} // namespace
} // namespace plenta::test
