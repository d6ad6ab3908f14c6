// SPDX-License-Identifier: GPL-3.0-or-later
// undo, history, missing and restore seen from outside: the journal's bytes after each step, and what another
// program's write between the steps does to them.
#include "ToolRunner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace plenta::test {
namespace {

const std::string ORIGINAL = HEADER + "2026/04/01,36.5,1,\r\n2026/04/03,36.7,,Gr\xF6\xDF"
                                      "e\r\n";

struct Step {
    std::vector<std::string> args;
    int exitCode;
    std::string output; // the start of stdout, or of stderr for a failure
};

// A device root of its own and a journal in a scratch folder; each step runs the tool on both.
class HistoryCommands : public testing::Test {
protected:
    HistoryCommands() { WriteBytes(journal_, ORIGINAL); }

    ToolResult Run(std::vector<std::string> args, const std::string &locale = "C.UTF-8") const {
        args.insert(args.begin(), {"--journal", journal_.string()});
        return RunTool(args, {{"PLENTA_ROOT", root_.Path().string()}, {"LC_ALL", locale}});
    }
    void RunSteps(const std::vector<Step> &steps) const {
        for (const Step &step : steps) {
            SCOPED_TRACE(step.args.front());
            const ToolResult result = Run(step.args);
            EXPECT_EQ(result.exitCode, step.exitCode) << result.err;
            EXPECT_TRUE((step.exitCode == 0 ? result.out : result.err).starts_with(step.output))
                << result.out << result.err;
        }
    }
    std::string Journal() const { return ReadBytes(journal_); }
    void Edit(const std::string &from, const std::string &to) const {
        std::string text = Journal();
        text.replace(text.find(from), from.size(), to);
        WriteBytes(journal_, text);
    }

    const TempFolder folder_;
    const TempFolder root_;
    std::filesystem::path journal_ = folder_.Journal();
};

TEST_F(HistoryCommands, UndoingEveryChangeGivesTheJournalBackByteForByte) {
    RunSteps(
        {{{"save", "--date", "2026-04-02", "--temperature", "36.6"}, 0, "Eintrag gespeichert!"},
         {{"save", "--date", "2026-04-03", "--temperature", "36.9", "--marks", "S"}, 0, "Eintrag ersetzt!"},
         {{"delete", "--date", "2026-04-01"}, 0, "Eintrag gelöscht!"},
         {{"undo"}, 0, "rückgängig gemacht: delete #3"},
         {{"undo"}, 0, "rückgängig gemacht: save #2"},
         {{"undo"}, 0, "rückgängig gemacht: save #1"},
         {{"undo"}, 1, "plenta-journal: nichts rückgängig zu machen"}});
    EXPECT_EQ(Journal(), ORIGINAL);
    const ToolResult history = Run({"history", "--json", "--limit", "4"});
    const nlohmann::json entries = nlohmann::json::parse(history.out);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0]["undoes"], 1);
    EXPECT_EQ(entries[3]["command"], "delete");
    EXPECT_EQ(entries[3]["undone"], true);
    EXPECT_EQ(entries[3]["dates"][0]["before"][0], "2026/04/01,36.5,1,\r\n");
    struct stat info {};
    ASSERT_EQ(::stat((root_.Path() / "history.jsonl").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// Another program's write between Plenta's change and the undo or restore is never overwritten.
TEST_F(HistoryCommands, OtherProgramsWritesStandAndDroppedRecordsComeBack) {
    RunSteps({{{"save", "--date", "2026-04-03", "--temperature", "37.0"}, 0, "Eintrag ersetzt!"}});
    Edit("2026/04/03,37.0", "2026/04/03,37.1");
    const std::string edited = Journal();
    RunSteps({{{"undo"}, 1, "plenta-journal: kann save #1 nicht rückgängig machen: 2026-04-03 wurde seither"},
              {{"missing"}, 0, "keine fehlenden Einträge"},
              {{"save", "--date", "2026-04-05", "--temperature", "36.4"}, 0, "Eintrag gespeichert!"}});
    EXPECT_EQ(Journal(), edited + "2026/04/05,36.4,,\r\n");
    // A sync client puts back a journal without the record saved last.
    WriteBytes(journal_, edited);
    const ToolResult missing = Run({"missing", "--json"});
    ASSERT_EQ(missing.exitCode, 0) << missing.err;
    const nlohmann::json listed = nlohmann::json::parse(missing.out)["missing"];
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["date"], "2026-04-05");
    EXPECT_EQ(listed[0]["records"][0], "2026/04/05,36.4,,");
    RunSteps({{{"restore", "--date", "2026-04-04"}, 1, "plenta-journal: 2026-04-04 fehlt nicht"},
              {{"restore", "--all"}, 0, "wiederhergestellt: 2026-04-05"},
              {{"restore", "--all"}, 0, "keine fehlenden Einträge"},
              {{"undo"}, 0, "rückgängig gemacht: restore #3"},
              {{"missing"}, 0, "keine fehlenden Einträge"}});
    EXPECT_EQ(Journal(), edited);
}

// One device may keep several journals: each sees only its own changes in the shared history.
TEST_F(HistoryCommands, EachJournalUndoesAndRestoresOnlyItsOwnChanges) {
    RunSteps({{{"save", "--date", "2026-04-05", "--temperature", "36.4"}, 0, "Eintrag gespeichert!"}});
    const std::filesystem::path first = journal_;
    journal_ = folder_ / "zweites.txt";
    WriteBytes(journal_, ORIGINAL);
    WriteBytes(first, ORIGINAL);
    RunSteps({{{"undo"}, 1, "plenta-journal: nichts rückgängig zu machen"},
              {{"missing"}, 0, "keine fehlenden Einträge"},
              {{"history"}, 0, ""}});
    EXPECT_EQ(Run({"history", "--json"}).out, "[]\n");
    journal_ = first;
    RunSteps({{{"restore", "--all"}, 0, "wiederhergestellt: 2026-04-05"}});
    EXPECT_EQ(Journal(), ORIGINAL + "2026/04/05,36.4,,\r\n");
}

// A history that cannot be written never stops the change; the tool says so and ends with 3.
TEST_F(HistoryCommands, ChangeStandsWhenTheHistoryCannotBeWritten) {
    std::filesystem::create_directory(root_ / "history.jsonl");
    const ToolResult saved = Run({"save", "--date", "2026-04-02", "--temperature", "36.6"});
    EXPECT_EQ(saved.exitCode, 3);
    EXPECT_EQ(saved.out, "Eintrag gespeichert!\n");
    EXPECT_NE(saved.err.find("nicht rückgängig gemacht werden"), std::string::npos) << saved.err;
    EXPECT_NE(Journal(), ORIGINAL);
    EXPECT_EQ(Run({"undo"}).exitCode, 1);
}

// The file, sync and history messages follow the language like every other text of the tool: German under C,
// English under an English locale; the journal is left alone either way.
TEST_F(HistoryCommands, MessagesFollowTheLanguage) {
    const std::string unreadable = (folder_ / "absent.txt").string();
    const std::string foreign = (folder_ / "foreign.csv").string();
    WriteBytes(foreign, "date,temperature\n");
    const std::string header =
        " (date,temperature,first_day,mucus,ovulation,intercourse,comment,cycle_day); ";
    struct Case {
        std::vector<std::string> args;
        std::string german;
        std::string english;
    } const cases[] = {
        {{"undo"},
         "plenta-journal: nichts rückgängig zu machen: der Verlauf enthält keine Änderung dieses Tagebuchs, "
         "die "
         "nicht schon rückgängig gemacht ist\n",
         "plenta-journal: nothing to undo: the history holds no change of this journal that is not undone\n"},
        {{"merge", unreadable},
         "plenta-journal: kann '" + unreadable +
             "' nicht lesen (fehlt, ist unlesbar oder keine gewöhnliche Datei); das Tagebuch ist "
             "unverändert\n",
         "plenta-journal: cannot read '" + unreadable +
             "' (missing, unreadable, or no regular file); the journal is unchanged\n"},
        {{"restore", "--date", "2026-04-01"},
         "plenta-journal: 2026-04-01 fehlt nicht: das Tagebuch enthält einen Eintrag dafür, oder Plenta hat "
         "nie "
         "einen geschrieben; das Tagebuch ist unverändert\n",
         "plenta-journal: 2026-04-01 is not missing: the journal holds a record of it, or Plenta never wrote "
         "one; "
         "the journal is unchanged\n"},
        {{"import", foreign},
         "plenta-journal: kann '" + foreign +
             "' nicht importieren: die erste Zeile ist nicht die Kopfzeile von Plentas CSV-Export" + header +
             "das Tagebuch ist unverändert\n",
         "plenta-journal: cannot import '" + foreign +
             "': the first line is not the header of Plenta's CSV export" + header +
             "the journal is unchanged\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.front());
        for (const auto &[locale, expected] :
             {std::pair{"C.UTF-8", &c.german}, {"en_US.UTF-8", &c.english}}) {
            const ToolResult result = Run(c.args, locale);
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.err, *expected);
        }
    }
    EXPECT_EQ(Journal(), ORIGINAL);
}

} // namespace
} // namespace plenta::test
