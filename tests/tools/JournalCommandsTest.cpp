// SPDX-License-Identifier: GPL-3.0-or-later
// The journal commands seen from outside: messages, exit codes and the bytes they leave in the journal.
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace plenta::test {
namespace {

std::string SampleJournal() {
    return ReadBytes(std::filesystem::path(PLENTA_TEST_DATA) / "tools" / "cycles.txt");
}

std::string Repeated(const std::string &text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// One step of an editing session and the journal it must leave behind.
struct EditStep {
    std::vector<std::string> args;
    std::string message;
    std::string journalAfter;
};

TEST(JournalCommands, SaveReplaceAndDeleteKeepTheJournalInDateOrder) {
    const TempFolder folder;
    const std::string journal = folder / "plenta.txt";
    const std::vector<EditStep> steps{
        {{"save", "--date", "2026-04-05", "--temperature", "36.5", "--marks", "SE", "--comment", "zu spät"},
         "Eintrag gespeichert!",
         HEADER + "2026/04/05,36.5,SE,zu sp\xE4t\r\n"},
        {{"save", "--date", "2026-04-03", "--temperature", "37.5"},
         "Eintrag gespeichert!",
         HEADER + "2026/04/03,37.5,,\r\n2026/04/05,36.5,SE,zu sp\xE4t\r\n"},
        {{"save", "--date", "2026-04-05", "--temperature", "36", "--marks", "1SX"},
         "Eintrag ersetzt!",
         HEADER + "2026/04/03,37.5,,\r\n2026/04/05,36.0,1SX,\r\n"},
        {{"delete", "--date", "2026-04-03"}, "Eintrag gelöscht!", HEADER + "2026/04/05,36.0,1SX,\r\n"},
        // 39 characters are allowed, not 39 UTF-8 bytes; each umlaut becomes one byte in the journal.
        {{"save", "--date", "2026-04-05", "--temperature", "36.5", "--comment", Repeated("ä", 39)},
         "Eintrag ersetzt!",
         HEADER + "2026/04/05,36.5,," + std::string(39, '\xE4') + "\r\n"},
    };
    for (const EditStep &step : steps) {
        std::vector<std::string> args{"--journal", journal};
        args.insert(args.end(), step.args.begin(), step.args.end());
        const ToolResult result = RunTool(args);
        SCOPED_TRACE(step.args.front() + " " + step.args[2]);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, step.message + "\n");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(ReadBytes(journal), step.journalAfter);
    }
}

// Every wrong command line ends with 2 and a message in the tool's words, and leaves an existing journal byte
// for byte as it was.
TEST(JournalCommands, UsageErrorsWriteNothing) {
    const TempFolder folder;
    const std::string image = folder / "x.png";
    struct WrongLine {
        std::vector<std::string> args;
        std::string said = {}; // a part of the message, in German under C
    };
    const std::vector<WrongLine> wrongLines{
        {{}},
        {{"list"}, "unbekannter Befehl 'list'"},
        {{"save", "--date", "2026-02-30", "--temperature", "36.5"}},
        {{"save", "--date", "2026/02/01", "--temperature", "36.5"}},
        {{"save", "--date", "1600-12-31", "--temperature", "36.5"}},
        {{"save", "--date", "2026-02-01", "--temperature", "37.6"}},
        {{"save", "--date", "2026-02-01", "--temperature", "35.4"}},
        {{"save", "--date", "2026-02-01", "--temperature", "36.55"}},
        {{"save", "--date", "2026-02-01", "--temperature", "36,5"}},
        {{"save", "--date", "2026-02-01", "--temperature", "warm"}},
        {{"save", "--date", "2026-02-01"}, "--temperature fehlt"},
        {{"save", "--temperature", "36.5"}, "--date fehlt"},
        {{"save", "--date", "2026-02-01", "--temperature", "36.5", "--comment", std::string(40, 'a')}},
        {{"save", "--date", "2026-02-01", "--temperature", "36.5", "--comment", "zwei\nZeilen"}},
        {{"save", "--date", "2026-02-01", "--temperature", "36.5", "--comment", "\xE4"}},
        {{"save", "--date", "2026-02-01", "--temperature", "36.5", "--marks", "SS"}},
        {{"save", "--date", "2026-02-01", "--temperature", "36.5", "--marks", "S1"}},
        {{"save", "--date", "2026-02-01", "--temperature", "36.5", "--marks", "Q"}},
        {{"save", "--date", "2026-02-01", "--temperature", "36.5", "--marks", "s"}},
        {{"delete"}, "--date fehlt"},
        {{"delete", "--date", "2026-01-32"}},
        {{"--today", "2026-13-01", "stats"}},
        {{"show", "--date", "tomorrow"}},
        {{"chart", "--out", image, "--scale", "0"}, "--scale: '0' ist keine ganze Zahl von 1 bis 16"},
        {{"chart", "--out", image, "--scale", "17"}},
        {{"chart"}, "--out fehlt"},
        {{"save", "--date"}, "--date braucht einen Wert"},
        {{"save", "--date", "2026-02-01", "--temperature", "36.5", "--date", "2026-02-02"},
         "--date darf nur einmal stehen"},
        {{"stats", "--all", "x"}, "nicht erwartet: --all x"},
        {{"history", "--limit", "0"}, "--limit: '0' ist keine ganze Zahl ab 1"},
        {{"export", "--format", "xml"}, "--format: 'xml' ist keines von csv, json"},
        {{"restore"}, "genau eine der Optionen --date, --all ist nötig"},
        {{"restore", "--date", "2026-02-01", "--all"}, "--date und --all schließen einander aus"},
        {{"report", "--out", "r.pdf", "--cycles", "100"},
         "--cycles: '100' ist keine ganze Zahl von 0 bis 99"},
    };
    const std::string journal = folder / "plenta.txt";
    WriteBytes(journal, SampleJournal());
    for (const WrongLine &line : wrongLines) {
        std::vector<std::string> args{"--journal", journal};
        args.insert(args.end(), line.args.begin(), line.args.end());
        const ToolResult result = RunTool(args);
        SCOPED_TRACE(line.args.empty() ? "(no command)" : line.args.back());
        EXPECT_EQ(result.exitCode, 2);
        // Every message is the tool's own, never one of CLI11's English ones.
        EXPECT_TRUE(result.err.starts_with("plenta-journal: " + line.said)) << result.err;
        EXPECT_EQ(result.err.find("Run with"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(ReadBytes(journal), SampleJournal());
    }
    EXPECT_FALSE(std::filesystem::exists(image));
}

// The tool's texts follow the language: German under C (and so byte for byte what scripts have read so far)
// and German locales, English under others; so do the journal library's reasons after them and CLI11's words
// in --help.
TEST(JournalCommands, MessagesFollowTheLanguage) {
    const std::string commands =
        "stats, show, save, delete, chart, report, conflicts, merge, export, import, undo, history, missing, "
        "restore\n";
    const std::string germanUnknown =
        "plenta-journal: unbekannter Befehl 'statz'; die Befehle sind " + commands;
    const std::string germanStats = "Datenbank hat 9 Einträge\nZeitraum:\t61 Tag(e)\nZyklen:\t\t2\n"
                                    "Durchschnitt:\t29 Tage\nNächste Periode in 18 Tag(en)\n";
    const TempFolder folder;
    const std::string germanFolder = "plenta-journal: kann das Tagebuch nicht öffnen: '" +
                                     folder.Path().string() + "' ist keine reguläre Datei\n";
    const std::string germanHelp =
        "Aufruf: plenta-journal save [OPTIONEN]\n\nOptionen:\n  -h,--help                   "
        "diese Hilfe ausgeben und enden\n  --date TEXT PFLICHT ";
    const std::string germanMissing =
        "plenta-journal: --temperature fehlt\nMehr mit 'plenta-journal --help'.\n";
    struct Case {
        std::vector<EnvSetting> env;
        std::string unknown;
        std::string stats;
        std::string folder;  // the whole of stderr for a journal that is a folder
        std::string help;    // a part of save --help
        std::string missing; // the whole of stderr for a save without temperature
    } const cases[] = {
        {{{"LC_ALL", "C"}, {"LANGUAGE", "en"}},
         germanUnknown,
         germanStats,
         germanFolder,
         germanHelp,
         germanMissing},
        {{{"LC_ALL", ""}, {"LANG", "de_AT.UTF-8"}},
         germanUnknown,
         germanStats,
         germanFolder,
         germanHelp,
         germanMissing},
        {{{"LC_ALL", "en_US.UTF-8"}},
         "plenta-journal: unknown command 'statz'; the commands are " + commands,
         "The journal holds 9 entries\nTime span:\t61 day(s)\nCycles:\t\t2\nAverage cycle:\t29 days\nNext "
         "period in 18 day(s)\n",
         "plenta-journal: cannot open the journal: '" + folder.Path().string() + "' is not a regular file\n",
         "Usage: plenta-journal save [OPTIONS]\n\nOptions:\n  -h,--help                   print this help "
         "and "
         "exit\n  --date TEXT REQUIRED ",
         "plenta-journal: --temperature is missing\nTry 'plenta-journal --help' for more.\n"},
    };
    WriteBytes(folder / "plenta.txt", SampleJournal());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.env.back().value);
        const ToolResult unknown = RunTool({"--journal", "/nonexistent/plenta.txt", "statz"}, c.env);
        EXPECT_EQ(unknown.exitCode, 2);
        EXPECT_EQ(unknown.err, c.unknown);
        const ToolResult stats =
            RunTool({"--journal", folder / "plenta.txt", "--today", "2026-03-10", "stats"}, c.env);
        EXPECT_EQ(stats.exitCode, 0) << stats.err;
        EXPECT_EQ(stats.out, c.stats);
        EXPECT_EQ(RunTool({"--journal", folder.Path(), "stats"}, c.env).err, c.folder);
        const ToolResult help = RunTool({"save", "--help"}, c.env);
        EXPECT_NE(help.out.find(c.help), std::string::npos) << help.out;
        EXPECT_EQ(RunTool({"save", "--date", "2026-03-01"}, c.env).err, c.missing);
    }
}

// Failures of the file system end with 1 and, after the window's message where it has one, a line that names
// the file and the cause; they create neither journal nor folder.
TEST(JournalCommands, FileFailuresEndWithOne) {
    const TempFolder folder;
    const std::string missing = folder / "plenta.txt";
    const std::string absent = folder / "absent";
    const std::string cannotOpen = "plenta-journal: kann das Tagebuch nicht öffnen: ";
    struct Case {
        std::vector<std::string> args;
        std::string err; // the whole of stderr
    } const cases[] = {
        {{missing, "stats"}, cannotOpen + "'" + missing + "' existiert nicht\n"},
        {{missing, "show"}, cannotOpen + "'" + missing + "' existiert nicht\n"},
        {{missing, "chart", "--out", folder / "chart.png"},
         cannotOpen + "'" + missing + "' existiert nicht\n"},
        {{folder.Path(), "show"}, cannotOpen + "'" + folder.Path().string() + "' ist keine reguläre Datei\n"},
        {{missing, "delete", "--date", "2026-04-05"},
         "Fehler mit der Datenbank!\nplenta-journal: '" + missing + "' existiert nicht\n"},
        {{absent + "/plenta.txt", "save", "--date", "2026-04-05", "--temperature", "36.5"},
         "Fehler beim Datenbankzugriff!\nplenta-journal: der Ordner '" + absent + "' existiert nicht\n"},
        {{absent + "/plenta.txt", "stats"}, cannotOpen + "der Ordner '" + absent + "' existiert nicht\n"},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args{"--journal"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolResult result = RunTool(args);
        SCOPED_TRACE(c.err);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "plenta.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder / "chart.png"));
    EXPECT_FALSE(std::filesystem::exists(folder / "absent"));
}

TEST(JournalCommands, ReadOnlyFolderKeepsTheJournal) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    const TempFolder folder;
    const std::filesystem::path sub = folder / "sync";
    std::filesystem::create_directory(sub);
    WriteBytes(sub / "plenta.txt", SampleJournal());
    std::filesystem::permissions(sub,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const std::vector<std::vector<std::string>> edits{
        {"save", "--date", "2026-04-05", "--temperature", "36.5"}, {"delete", "--date", "2026-01-01"}};
    for (const std::vector<std::string> &edit : edits) {
        std::vector<std::string> args{"--journal", sub / "plenta.txt"};
        args.insert(args.end(), edit.begin(), edit.end());
        const ToolResult result = RunTool(args);
        SCOPED_TRACE(edit.front());
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err, "");
        EXPECT_EQ(ReadBytes(sub / "plenta.txt"), SampleJournal());
    }
    std::filesystem::permissions(sub, std::filesystem::perms::owner_all);
}

// Without --journal the tool edits the journal the window program beside it uses.
TEST(JournalCommands, DefaultJournalFollowsTheDeviceRootAndTheRegistry) {
    struct Case {
        std::string name;
        std::string registryValue; // empty: no registry file
        std::string journalBelowRoot;
    };
    const std::vector<Case> cases{
        {"no registry file", "", "plenta.txt"},
        {"device path", "\\My Documents", "My Documents/plenta.txt"},
        {"host path", "<root>/host", "host/plenta.txt"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder root;
        const std::filesystem::path expected = root / c.journalBelowRoot;
        std::filesystem::create_directories(expected.parent_path());
        if (!c.registryValue.empty()) {
            std::string value = c.registryValue;
            if (value.starts_with("<root>")) {
                value = root.Path().string() + value.substr(6);
            }
            WriteBytes(root / "registry.ini",
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows CE Services]\nFileSyncPath=" +
                           value + "\n");
        }
        const std::vector<EnvSetting> env{{"PLENTA_ROOT", root.Path().string()}};
        const ToolResult saved = RunTool({"save", "--date", "2026-04-05", "--temperature", "36.5"}, env);
        EXPECT_EQ(saved.exitCode, 0) << saved.err;
        EXPECT_EQ(ReadBytes(expected), HEADER + "2026/04/05,36.5,,\r\n");
        const ToolResult stats = RunTool({"--today", "2026-04-05", "stats"}, env);
        EXPECT_EQ(stats.exitCode, 0) << stats.err;
        EXPECT_EQ(stats.out.rfind("Datenbank hat 1 Einträge\n", 0), 0u) << stats.out;
    }
}

} // namespace
} // namespace plenta::test
