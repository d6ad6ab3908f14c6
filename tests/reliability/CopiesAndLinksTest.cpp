// SPDX-License-Identifier: GPL-3.0-or-later
// Merge, export and conflicts beside hostile surroundings: a copy replaced while --remove-merged runs, FIFOs
// wherever a command reads, copies beyond any journal's size, links planted by another user or leading to a
// file that is no journal, and a full disk under export --out.
#include "JournalBytes.h"
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace plenta::reliability {
namespace {

using namespace test; // the tool runner

constexpr std::chrono::seconds DEADLINE{10};
const std::string COPY_NAME = "plenta.sync-conflict-20261207-090609-XO4L3VF.txt";
const std::vector<std::string> SAVE = {"save", "--date", "2003-04-05", "--temperature", "36.5"};

bool Contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// Whether any file in `folder` holds `text`.
bool AnyFileHolds(const std::filesystem::path &folder, const std::string &text) {
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        if (const std::optional<std::string> bytes = ReadBytes(entry.path());
            bytes && Contains(*bytes, text)) {
            return true;
        }
    }
    return false;
}

// A sync client delivers a newer version of the copy (written to a temporary name, then renamed over it) at a
// random moment of the merge: the newer record must end up in the journal or in a copy that is kept.
TEST(CopiesAndLinks, ACopyReplacedWhileRemoveMergedRunsIsNeverLost) {
    constexpr int RUNS = 60;
    std::mt19937 random(23);
    int lost = 0;
    int kept = 0;
    for (int run = 0; run < RUNS; ++run) {
        TempFolder folder;
        const std::filesystem::path copy = folder / COPY_NAME;
        WriteBytes(folder.Journal(), HEADER + "2003/04/01,36.4,,\r\n");
        WriteBytes(copy, HEADER + "2003/04/02,36.5,,\r\n");
        const std::string newer = "2003/04/03,36.6,,neu" + std::to_string(run) + "\r\n";
        const pid_t tool = SpawnTool(ToolArgs(folder.Journal(), {"merge", "--remove-merged", copy.string()}));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 12'000));
        WriteBytes(folder / ".syncthing.tmp", HEADER + "2003/04/02,36.5,,\r\n" + newer);
        ASSERT_EQ(::rename((folder / ".syncthing.tmp").c_str(), copy.c_str()), 0);
        EXPECT_EQ(WaitTool(tool).exitCode, 0);
        const bool inJournal = Contains(ReadBytes(folder.Journal()).value_or(""), newer);
        lost += !inJournal && !AnyFileHolds(folder.Path(), newer);
        kept += !inJournal;
    }
    std::printf("copy replaced during --remove-merged: %d runs, %d newer copies kept, %d records lost\n",
                RUNS, kept, lost);
    EXPECT_EQ(lost, 0);
}

// A FIFO in each place a command reads answers "cannot be opened" at once; a hang is killed and fails.
TEST(CopiesAndLinks, FifosWhereverACommandReadsAreNeverWaitedOn) {
    struct Case {
        const char *name;
        std::string fifo; // the name made a FIFO in the folder
        std::vector<std::string> command;
        int exitCode;
    };
    TempFolder names;
    const std::string copyArg = "@copy";
    const Case cases[] = {
        {"export of a FIFO journal", "plenta.txt", {"export"}, 1},
        {"JSON export of a FIFO journal", "plenta.txt", {"export", "--format", "json"}, 1},
        {"conflicts beside a FIFO journal", "plenta.txt", {"conflicts"}, 1},
        {"merge into a FIFO journal", "plenta.txt", {"merge", copyArg}, 1},
        {"merge of a FIFO copy", COPY_NAME, {"merge", copyArg}, 1},
        {"conflicts with a FIFO copy", COPY_NAME, {"conflicts"}, 0},
        {"export to a FIFO", "out.csv", {"export", "--out", "@out"}, 1},
    };
    long slowest = 0;
    for (const Case &c : cases) {
        TempFolder folder;
        WriteBytes(folder.Journal(), HEADER + "2003/04/01,36.4,,\r\n");
        WriteBytes(folder / COPY_NAME, HEADER + "2003/04/02,36.5,,\r\n");
        std::filesystem::remove(folder / c.fifo);
        ASSERT_EQ(::mkfifo((folder / c.fifo).c_str(), 0666), 0);
        std::vector<std::string> command = c.command;
        for (std::string &arg : command) {
            arg = arg == copyArg  ? (folder / COPY_NAME).string()
                  : arg == "@out" ? (folder / "out.csv").string()
                                  : arg;
        }
        const ToolResult run = RunWatched(ToolArgs(folder.Journal(), command), DEADLINE);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err;
        EXPECT_EQ(run.signal, 0) << c.name << " hung";
        slowest = std::max<long>(slowest, run.took.count());
    }
    std::printf("FIFOs: %zu places, the slowest answered in %ld ms\n", std::size(cases), slowest);
}

// A sparse 1-GB copy is refused by its size, a copy with one 12-MB line merges its records at a small peak,
// and a merge that would make the journal larger than a save accepts is refused before anything is written.
TEST(CopiesAndLinks, HugeCopiesAreRefusedOrReadPastWithBoundedMemory) {
    TempFolder folder;
    const std::filesystem::path copy = folder / COPY_NAME;
    const std::string journal = HEADER + "2003/04/01,36.4,,\r\n";
    WriteBytes(folder.Journal(), journal);
    WriteBytes(copy, "");
    std::filesystem::resize_file(copy, std::uintmax_t{1} << 30);
    ToolResult run = RunWatched(ToolArgs(folder.Journal(), {"merge", copy.string()}), DEADLINE);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "größer als 16 MiB")) << run.err;
    EXPECT_EQ(ReadBytes(folder.Journal()), journal);
    std::printf("merge of a sparse 1-GB copy: exit %d, peak %ld MB\n", run.exitCode, run.peakKilobytes >> 10);

    WriteBytes(copy, std::string(12 << 20, 'x') + "\r\n2003/04/02,36.5,,\r\n");
    run = RunWatched(ToolArgs(folder.Journal(), {"merge", copy.string()}), DEADLINE);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(folder.Journal()), journal + "2003/04/02,36.5,,\r\n");
    std::printf("merge of a copy with a 12-MB line: exit %d, peak %ld MB\n", run.exitCode,
                run.peakKilobytes >> 10);
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LT(run.peakKilobytes, 12 * 1024) << "the over-long line was kept";
#endif

    // Each file alone is a journal a save accepts; together they are not.
    std::string big = HEADER;
    std::string other;
    for (int day = 1; day <= 150; ++day) {
        const std::string date = std::to_string(1900 + day) + "/01/01,36.5,,";
        big += date + std::string(60'000, 'a') + "\r\n";
        other += std::to_string(1900 + day) + "/02/01,36.5,," + std::string(60'000, 'b') + "\r\n";
    }
    WriteBytes(folder.Journal(), big);
    WriteBytes(copy, other);
    run = RunWatched(ToolArgs(folder.Journal(), {"merge", "--remove-merged", copy.string()}), DEADLINE);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "würde größer als 16 MiB")) << run.err;
    EXPECT_EQ(ReadBytes(folder.Journal()), big);
    EXPECT_EQ(ReadBytes(copy), other);
}

// A link whose target is no journal is refused by every command, naming the link and its target; an empty
// target is a journal yet to be written.
TEST(CopiesAndLinks, ALinkToAFileThatIsNoJournalIsNotFollowed) {
    TempFolder folder;
    const std::filesystem::path notes = folder / "notes.txt";
    WriteBytes(notes, "Einkaufsliste\n");
    std::filesystem::create_symlink(notes, folder.Journal());
    for (const std::vector<std::string> &command : {SAVE, {"stats"}, {"export"}}) {
        const ToolResult run = RunWatched(ToolArgs(folder.Journal(), command), DEADLINE);
        EXPECT_EQ(run.exitCode, 1) << command[0];
        if (command[0] != "export") {
            EXPECT_TRUE(Contains(run.err, folder.Journal().string()) && Contains(run.err, notes.string()))
                << run.err;
        }
    }
    EXPECT_EQ(ReadBytes(notes), "Einkaufsliste\n");
    WriteBytes(notes, "");
    EXPECT_EQ(RunTool(ToolArgs(folder.Journal(), SAVE)).exitCode, 0);
    EXPECT_TRUE(Contains(ReadBytes(notes).value_or(""), "2003/04/05,36.5"));
}

// Root saving through a link another user planted in a sticky, world-writable folder: neither an existing
// root-only journal nor a new file in a root-only folder is written. Root's own link there is followed.
TEST(CopiesAndLinks, ALinkPlantedInAStickyFolderByAnotherUserIsNotFollowed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "planting a link as another user needs root";
    }
    TempFolder folder;
    std::filesystem::permissions(folder.Path(), std::filesystem::perms(0755));
    const std::filesystem::path shared = folder / "shared";
    const std::filesystem::path secret = folder / "secret";
    std::filesystem::create_directory(shared);
    std::filesystem::create_directory(secret);
    std::filesystem::permissions(shared, std::filesystem::perms(01777));
    std::filesystem::permissions(secret, std::filesystem::perms(0700));
    const std::string rootJournal = HEADER + "2003/04/01,36.4,,\r\n";
    WriteBytes(secret / "root.txt", rootJournal);
    std::filesystem::permissions(secret / "root.txt", std::filesystem::perms(0600));
    test::AsNobody([&] {
        std::filesystem::create_symlink(secret / "root.txt", shared / "plenta.txt");
        std::filesystem::create_symlink(secret / "new.txt", shared / "dangling.txt");
    });
    for (const char *name : {"plenta.txt", "dangling.txt"}) {
        const ToolResult run = RunWatched(ToolArgs(shared / name, SAVE), DEADLINE);
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_TRUE(Contains(run.err, (shared / name).string())) << run.err;
    }
    EXPECT_EQ(ReadBytes(secret / "root.txt"), rootJournal);
    EXPECT_FALSE(std::filesystem::exists(secret / "new.txt"));

    std::filesystem::create_symlink(secret / "root.txt", shared / "mine.txt");
    EXPECT_EQ(RunTool(ToolArgs(shared / "mine.txt", SAVE)).exitCode, 0);
    EXPECT_TRUE(Contains(ReadBytes(secret / "root.txt").value_or(""), "2003/04/05,36.5"));
}

// A full disk (a file-size limit below the export's size) under export --out keeps the previous export whole
// and leaves no temporary file.
TEST(CopiesAndLinks, AFullDiskUnderExportKeepsThePreviousExport) {
    TempFolder folder;
    std::string journal = HEADER;
    for (int day = 1; day <= 28; ++day) {
        journal += "2003/02/" + std::string(day < 10 ? "0" : "") + std::to_string(day) + ",36.5,,lang\r\n";
    }
    WriteBytes(folder.Journal(), journal);
    const std::filesystem::path out = folder / "export.csv";
    WriteBytes(out, "previous export\n");
    const ToolResult run = RunWatched(ToolArgs(folder.Journal(), {"export", "--out", out.string()}), DEADLINE,
                                      journal.size() / 2);
    EXPECT_EQ(run.signal, 0) << "killed by SIGXFSZ";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "File too large")) << run.err;
    EXPECT_EQ(ReadBytes(out), "previous export\n");
    for (const auto &entry : std::filesystem::directory_iterator(folder.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".export-"), std::string::npos) << entry.path();
    }
}

} // namespace
} // namespace plenta::reliability
