// SPDX-License-Identifier: GPL-3.0-or-later
// Which names beside the journal are a sync service's conflict copies of it, and which only look like one.
#include "journal/ConflictCopies.h"
#include "TempFolder.h"

#include <set>

#include <gtest/gtest.h>

namespace plenta {
namespace {

constexpr auto NONE = std::nullopt;

struct NameCase {
    const char *name;
    std::optional<ConflictScheme> scheme;
};

const NameCase NAMES[] = {
    {"plenta.sync-conflict-20261204-101112-ABCDEFG.txt", ConflictScheme::Syncthing},
    {"plenta.sync-conflict-20261207-090609-XO4L3VF.txt", ConflictScheme::Syncthing},
    {"plenta (conflicted copy 2026-12-04 101112).txt", ConflictScheme::Nextcloud},
    {"plenta (conflicted copy Anna Berg 2026-12-04 101112).txt", ConflictScheme::Nextcloud},
    {"plenta (Anna's conflicted copy 2026-12-04).txt", ConflictScheme::Dropbox},
    {"plenta (Jonas' conflicted copy 2026-12-04 (1)).txt", ConflictScheme::Dropbox},
    {"plenta (Anna\u2019s conflicted copy 2026-12-04).txt", ConflictScheme::Dropbox},
    // Look-alikes: the journal and its companions, other journals, other case, broken stamps.
    {"plenta.txt", NONE},
    {".plenta.txt.lock", NONE},
    {".plenta.txt.tmp", NONE},
    {"plenta.txt.bak", NONE},
    {"plenta (copy).txt", NONE},
    {"Plenta.sync-conflict-20261204-101112-ABCDEFG.txt", NONE},
    {"plenta2.sync-conflict-20261204-101112-ABCDEFG.txt", NONE},
    {"other.sync-conflict-20261204-101112-ABCDEFG.txt", NONE},
    {"plenta.sync-conflict-20261204-101112-ABCDEFG.txt.tmp", NONE},
    {"~syncthing~plenta.sync-conflict-20261204-101112-ABCDEFG.txt.tmp", NONE},
    {"plenta.sync-conflict-20261204-101112-abcdefg.txt", NONE},
    {"plenta.sync-conflict-20261304-101112-ABCDEFG.txt", NONE},
    {"plenta.sync-conflict-20261204-251112-ABCDEFG.txt", NONE},
    {"plenta.sync-conflict-2026-12-04-101112-ABCDEFG.txt", NONE},
    {"plenta.sync-conflict-20261204-101112-ABCDEFG.csv", NONE},
    {"plenta (conflicted copy 2026-12-04).txt", NONE},
    {"plenta (conflicted copy 2026-12-04 1011).txt", NONE},
    {"plentaX(conflicted copy 2026-12-04 101112).txt", NONE},
    {"plenta (Anna conflicted copy 2026-12-04).txt", NONE},
    {"plenta ('s conflicted copy 2026-12-04).txt", NONE},
    {"plenta (Anna's conflicted copy 2026-12-04 (x)).txt", NONE},
    {"plenta (Anna's conflicted copy 2026-02-30x).txt", NONE},
};

TEST(ConflictCopies, NamesOfTheThreeSchemesAndLookAlikes) {
    for (const NameCase &c : NAMES) {
        EXPECT_EQ(ConflictSchemeOf(c.name, "plenta.txt"), c.scheme) << c.name;
    }
    // The journal's own base name decides, whatever the executable is called.
    EXPECT_EQ(ConflictSchemeOf("Tagebuch.sync-conflict-20261204-101112-ABCDEFG.txt", "Tagebuch.txt"),
              ConflictScheme::Syncthing);
    EXPECT_EQ(ConflictSchemeOf("plenta.sync-conflict-20261204-101112-ABCDEFG.txt", "Tagebuch.txt"), NONE);
}

TEST(ConflictCopies, ACopySetAsideIsFoundLikeASyncServicesCopy) {
    for (const std::string journal : {"plenta.txt", "Tagebuch", ".plenta"}) {
        const std::filesystem::path copy =
            SetAsideCopyName(std::filesystem::path("/m") / journal, 1'765'000'000);
        EXPECT_EQ(copy.parent_path(), "/m");
        EXPECT_EQ(ConflictSchemeOf(copy.filename().string(), journal), ConflictScheme::Syncthing) << copy;
    }
    // Every copy set aside within one second has a name of its own, still in the sync service's scheme.
    std::set<std::filesystem::path> names;
    for (int counter = 0; counter < SET_ASIDE_NAMES; ++counter) {
        const std::filesystem::path copy = SetAsideCopyName("/m/plenta.txt", 1'765'000'000, counter);
        EXPECT_EQ(ConflictSchemeOf(copy.filename().string(), "plenta.txt"), ConflictScheme::Syncthing)
            << copy;
        names.insert(copy);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(SET_ASIDE_NAMES));
}

TEST(ConflictCopies, FindsOnlyRegularFilesBesideTheJournalSortedByName) {
    test::TempFolder folder;
    for (const NameCase &c : NAMES) {
        test::WriteBytes(folder / c.name, test::HEADER);
    }
    std::filesystem::create_directory(folder / "plenta (conflicted copy 2026-12-05 101112).txt");
    std::filesystem::create_directory(folder / "sub");
    test::WriteBytes(folder / "sub" / "plenta (conflicted copy 2026-12-06 101112).txt", test::HEADER);

    std::vector<std::string> found;
    for (const ConflictCopy &copy : FindConflictCopies(folder / "plenta.txt")) {
        EXPECT_EQ(copy.path.parent_path(), folder.Path());
        EXPECT_EQ(ConflictSchemeOf(copy.path.filename().string(), "plenta.txt"), copy.scheme);
        found.push_back(copy.path.filename().string());
    }
    std::vector<std::string> expected;
    for (const NameCase &c : NAMES) {
        if (c.scheme) {
            expected.push_back(c.name);
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(FindConflictCopies(folder / "missing-folder" / "plenta.txt").empty());
}

TEST(ConflictCopies, VersionsSyncthingKeepsAreListedAfterTheLiveCopies) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder / ".stversions");
    const std::string live = "plenta.sync-conflict-20261204-101112-ABCDEFG.txt";
    const char *const names[] = {
        "plenta.txt",                                                       // Trash Can: the journal itself
        "plenta~20261207-101112.txt",                                       // Simple, Staggered
        "plenta.sync-conflict-20261204-101112-ABCDEFG~20261207-101113.txt", // an overwritten conflict copy
        "plenta.sync-conflict-20261204-101112-ABCDEFG.txt",
        "plenta~2026120-101112.txt",
        "other~20261207-101112.txt",
        "plenta.txt~20261207-101112",
    };
    for (const char *name : names) {
        test::WriteBytes(folder / ".stversions" / name, test::HEADER);
    }
    test::WriteBytes(folder / live, test::HEADER);
    std::vector<std::string> found;
    for (const ConflictCopy &copy : FindConflictCopies(folder / "plenta.txt")) {
        found.push_back(copy.path.lexically_relative(folder.Path()).string() + " " +
                        std::string(SchemeName(copy.scheme)));
        EXPECT_EQ(IsKeptVersion(copy.path), copy.scheme == ConflictScheme::SyncthingVersion);
    }
    EXPECT_EQ(found, (std::vector<std::string>{
                         live + " syncthing",
                         ".stversions/plenta.sync-conflict-20261204-101112-ABCDEFG.txt syncthing-version",
                         ".stversions/plenta.sync-conflict-20261204-101112-ABCDEFG~20261207-101113.txt "
                         "syncthing-version",
                         ".stversions/plenta.txt syncthing-version",
                         ".stversions/plenta~20261207-101112.txt syncthing-version",
                     }));
}

} // namespace
} // namespace plenta
