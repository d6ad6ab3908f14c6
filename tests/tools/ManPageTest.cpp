// SPDX-License-Identifier: GPL-3.0-or-later
// The manual pages name every command and option that --help lists, so a new option cannot ship unexplained.
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

namespace plenta::test {
namespace {

// The page as a reader searches it: roff's escaped minus signs read as plain hyphens.
std::string ManPageText(const char *name) {
    std::string text = ReadBytes(std::filesystem::path(PLENTA_MAN_DIR) / name);
    for (std::size_t at = text.find("\\-"); at != std::string::npos; at = text.find("\\-", at)) {
        text.erase(at, 1);
    }
    return text;
}

std::set<std::string> Matches(const std::string &text, const std::regex &pattern) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator();
         ++it) {
        found.insert((*it)[1].str());
    }
    return found;
}

// Whether the word stands on one of the page's bold heading lines (.B or .BR), where a reader looks for it.
bool IsHeading(const std::string &page, const std::string &word) {
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(".B") && (line + " ").find(" " + word + " ") != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(ManPage, NamesEveryCommandAndOptionOfTheToolsHelp) {
    const std::string page = ManPageText("plenta-journal.1");
    const ToolResult help = RunTool({"--help"});
    ASSERT_EQ(help.exitCode, 0);
    const std::string commands = help.out.substr(help.out.find("Befehle:"));
    const std::set<std::string> names = Matches(commands, std::regex(R"(\n  ([a-z]+) )"));
    ASSERT_GE(names.size(), 8u) << help.out;
    std::set<std::string> options = Matches(help.out, std::regex(R"((--[a-z][a-z-]*))"));
    for (const std::string &command : names) {
        EXPECT_TRUE(IsHeading(page, command)) << command;
        const ToolResult commandHelp = RunTool({command, "--help"});
        const std::set<std::string> more = Matches(commandHelp.out, std::regex(R"((--[a-z][a-z-]*))"));
        options.insert(more.begin(), more.end());
    }
    for (const std::string &option : options) {
        EXPECT_NE(page.find(option), std::string::npos) << option;
    }
}

TEST(ManPage, NamesEveryOptionAndKeyOfTheWindowProgramsHelp) {
    const std::string page = ManPageText("plenta.1");
    // The manual pages are English, as is the help under an English locale.
    const ToolResult help = RunProgram(PLENTA_BINARY, {"--help"}, {{"LC_ALL", "en_US.UTF-8"}});
    ASSERT_EQ(help.exitCode, 0);
    for (const std::string &option : Matches(help.out, std::regex(R"((--[a-z][a-z-]*))"))) {
        EXPECT_NE(page.find(option), std::string::npos) << option;
    }
    const std::string keys = help.out.substr(help.out.find("Keys:"));
    for (const std::string &key : Matches(keys, std::regex(R"(\n  ([A-Z][A-Za-z0-9+]*))"))) {
        EXPECT_TRUE(IsHeading(page, key)) << key;
    }
}

// The limits the pages state are filled from the program's constants: none is left unfilled, and the pages
// say what the English --help says.
TEST(ManPage, StatesTheLimitsTheHelpStates) {
    const std::string window = ManPageText("plenta.1");
    const std::string tool = ManPageText("plenta-journal.1");
    for (const std::string *page : {&window, &tool}) {
        EXPECT_FALSE(std::regex_search(*page, std::regex("@[A-Z_]+@"))) << *page;
    }
    const ToolResult help = RunProgram(PLENTA_BINARY, {"--help"}, {{"LC_ALL", "en_US.UTF-8"}});
    std::smatch held;
    std::smatch zooms;
    ASSERT_TRUE(std::regex_search(help.out, held, std::regex("next field; ([^:]+):"))) << help.out;
    ASSERT_TRUE(std::regex_search(help.out, zooms, std::regex("larger, ([0-9]+ to [0-9]+),"))) << help.out;
    EXPECT_NE(window.find("Moves to the next field; " + held[1].str()), std::string::npos) << held[1];
    EXPECT_NE(window.find("larger (" + zooms[1].str() + ")"), std::string::npos) << zooms[1];
    EXPECT_NE(tool.find("from " + zooms[1].str() + " these"), std::string::npos) << zooms[1];
}

} // namespace
} // namespace plenta::test
