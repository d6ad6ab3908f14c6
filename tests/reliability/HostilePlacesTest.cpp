// SPDX-License-Identifier: GPL-3.0-or-later
// The tool run on hostile surroundings: a FIFO, a device, a folder or a link where the journal, its lock or
// registry.ini should be; a journal of another user; a NUL in the registry value; a file-size limit; a
// 50-MB line. Each must end at once with the right message and leave every file as it was.
#include "JournalBytes.h"
#include "TempFolder.h"
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace plenta::reliability {
namespace {

using namespace test; // the tool runner

using namespace std::chrono_literals;

constexpr std::chrono::seconds DEADLINE{10};
const std::string RECORD = "2003/04/01,36.4,1,\r\n";
const std::vector<std::string> SAVE = {"save", "--date", "2003-04-05", "--temperature", "36.5"};

bool Contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// Something other than a regular file, made at `path`; false when this user cannot make it.
using Plant = std::function<bool(const std::filesystem::path &path, const std::filesystem::path &folder)>;

struct OddFile {
    const char *name;
    Plant plant;
};

const OddFile ODD_FILES[] = {
    {"FIFO",
     [](const auto &path, const auto &) {
         return ::mkfifo(path.c_str(), 0666) == 0;
     }},
    {"device",
     [](const auto &path, const auto &) {
         return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; // /dev/null's numbers; root only
     }},
    {"folder",
     [](const auto &path, const auto &) {
         return std::filesystem::create_directory(path);
     }},
    {"link",
     [](const auto &path, const auto &folder) {
         std::filesystem::create_symlink(folder / "victim", path);
         return true;
     }},
};

enum class Place { Journal, Lock, Registry };

struct PlaceCase {
    const char *name;
    Place place;
};

void PrintTo(const PlaceCase &c, std::ostream *out) {
    *out << c.name;
}

class HostilePlacesTest : public testing::TestWithParam<PlaceCase> {};

// Each odd file in each place, for stats, save and delete: an answer within the deadline (a hang is killed
// and fails), the right exit code, and nothing created or changed. A link in the journal's place is a
// symlinked journal and belongs to the other trials.
TEST_P(HostilePlacesTest, OddFilesAreNeverWaitedOnNorFollowed) {
    long slowest = 0;
    int runs = 0;
    for (const OddFile &odd : ODD_FILES) {
        if (GetParam().place == Place::Journal && std::string(odd.name) == "link") {
            continue;
        }
        TempFolder folder;
        const std::filesystem::path journal = folder.Journal();
        const std::filesystem::path odds[] = {journal, folder.Path() / ".plenta.txt.lock",
                                              folder.Path() / "registry.ini"};
        const std::filesystem::path place = odds[static_cast<int>(GetParam().place)];
        if (GetParam().place != Place::Journal) {
            WriteBytes(journal, std::string(HEADER) + RECORD);
        }
        if (!odd.plant(place, folder.Path())) {
            continue; // a device needs root
        }
        ::setenv("PLENTA_ROOT", folder.Path().c_str(), 1);
        for (const std::vector<std::string> &command :
             {std::vector<std::string>{"stats"}, SAVE, {"delete", "--date", "2003-04-01"}}) {
            std::vector<std::string> args = ToolArgs(journal, command);
            if (GetParam().place == Place::Registry) {
                // The journal then lies in the device root, named after the tool's program.
                args.erase(args.begin(), args.begin() + 2);
            }
            const ToolResult run = RunWatched(args, DEADLINE);
            const std::string where =
                std::string(odd.name) + " as the " + GetParam().name + ", " + command[0];
            slowest = std::max<long>(slowest, run.took.count());
            ++runs;
            EXPECT_EQ(run.signal, 0) << where << ": hung and was killed";
            const bool readsOn = GetParam().place == Place::Registry ||
                                 (GetParam().place == Place::Lock && command[0] == "stats");
            EXPECT_EQ(run.exitCode, readsOn ? 0 : 1) << where << ": " << run.err;
            if (GetParam().place == Place::Lock && command[0] != "stats") {
                EXPECT_TRUE(Contains(run.err, ".plenta.txt.lock")) << where << ": " << run.err;
            }
            EXPECT_FALSE(std::filesystem::exists(folder.Path() / "victim")) << where;
            EXPECT_FALSE(std::filesystem::exists(folder.Temporary())) << where;
        }
        if (GetParam().place == Place::Lock) {
            EXPECT_EQ(ReadBytes(journal), std::string(HEADER) + RECORD) << odd.name;
        }
        EXPECT_FALSE(std::filesystem::is_regular_file(place)) << odd.name << " replaced by a file";
        ::unsetenv("PLENTA_ROOT");
    }
    std::printf("odd files as the %s: %d runs, the slowest answered in %ld ms\n", GetParam().name, runs,
                slowest);
}

INSTANTIATE_TEST_SUITE_P(Reliability, HostilePlacesTest,
                         testing::Values(PlaceCase{"journal", Place::Journal}, PlaceCase{"lock", Place::Lock},
                                         PlaceCase{"registry", Place::Registry}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(HostilePlaces, AnotherUsersJournalStaysTheirs) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can save another user's journal";
    }
    TempFolder folder;
    WriteBytes(folder.Journal(), std::string(HEADER) + RECORD);
    ASSERT_EQ(::chown(folder.Journal().c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(folder.Journal().c_str(), 02640), 0);
    EXPECT_EQ(RunWatched(ToolArgs(folder.Journal(), SAVE), DEADLINE).exitCode, 0);
    struct stat info {};
    ASSERT_EQ(::stat(folder.Journal().c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 02640u);
}

TEST(HostilePlaces, NulInTheRegistryValueIsIgnored) {
    TempFolder folder;
    const std::filesystem::path victim = folder.Path() / "victim.txt";
    WriteBytes(victim, "not a journal\n");
    WriteBytes(folder.Path() / "registry.ini",
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows CE Services]\n"
               "FileSyncPath=" +
                   victim.string() + std::string(1, '\0') + "x\n");
    ::setenv("PLENTA_ROOT", folder.Path().c_str(), 1);
    std::vector<std::string> args = ToolArgs(folder.Journal(), SAVE);
    args.erase(args.begin(), args.begin() + 2);
    const ToolResult run = RunWatched(args, DEADLINE);
    ::unsetenv("PLENTA_ROOT");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(victim), "not a journal\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() / "plenta.txt")); // in the device root
}

TEST(HostilePlaces, FileSizeLimitIsAnErrorWithAMessage) {
    TempFolder folder;
    std::string journal(HEADER);
    for (int day = 1; day <= 28; ++day) {
        journal += "2003/02/" + std::string(day < 10 ? "0" : "") + std::to_string(day) + ",36.5,,lang\r\n";
    }
    WriteBytes(folder.Journal(), journal);
    const ToolResult run = RunWatched(ToolArgs(folder.Journal(), SAVE), DEADLINE, journal.size() / 2);
    EXPECT_EQ(run.signal, 0) << "killed by SIGXFSZ";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "Fehler beim Datenbankzugriff!")) << run.err;
    EXPECT_TRUE(Contains(run.err, "File too large")) << run.err;
    EXPECT_EQ(ReadBytes(folder.Journal()), journal);
    EXPECT_FALSE(std::filesystem::exists(folder.Temporary()));
}

// Save and delete beside a 50-MB line: the journal is beyond what a rewrite takes into memory, so it is left
// as it is with a reason, at a small peak; a 5-MB line is copied whole.
TEST(HostilePlaces, LongLinesInSaveAndDelete) {
    for (const std::size_t length : {std::size_t{5} << 20, std::size_t{50} << 20}) {
        TempFolder folder;
        const auto journal = [length] {
            return std::string(HEADER) + RECORD + std::string(length, 'x') + "\r\n";
        };
        // Written and let go before the tool starts, whose peak would otherwise count this process's copy.
        WriteBytes(folder.Journal(), journal());
        const bool fits = length < (std::size_t{16} << 20);
        for (const std::vector<std::string> &command : {SAVE, {"delete", "--date", "2003-04-05"}}) {
            const ToolResult run = RunWatched(ToolArgs(folder.Journal(), command), DEADLINE);
            EXPECT_EQ(run.exitCode, fits ? 0 : 1) << run.err;
            std::printf("%s beside a %zu-MB line: exit %d, peak %ld MB\n", command[0].c_str(), length >> 20,
                        run.exitCode, run.peakKilobytes >> 10);
#ifndef __SANITIZE_ADDRESS__
            if (!fits) {
                EXPECT_LT(run.peakKilobytes, 32 * 1024) << "the refused journal was read into memory";
            }
#endif
        }
        // The save's record, if it was stored, went again with the delete.
        EXPECT_TRUE(ReadBytes(folder.Journal()) == journal());
    }
}

} // namespace
} // namespace plenta::reliability
