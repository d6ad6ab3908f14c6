// SPDX-License-Identifier: GPL-3.0-or-later
// Where the journal, the picture and the caption come from, for each kind of "FileSyncPath" value.
#include "journal/JournalPaths.h"
#include "TempFolder.h"
#include "journal/JournalLock.h"

#include <gtest/gtest.h>

namespace plenta {
namespace {

TEST(JournalPathsTest, ResolvesFromTheSyncValue) {
    const std::filesystem::path root = "/dev-root";
    const std::filesystem::path module = "/opt/plenta/bin/plenta";
    struct Case {
        std::optional<std::string> value;
        std::string journal;
    } const cases[] = {
        {std::nullopt, "/dev-root/plenta.txt"},
        {"", "/dev-root/plenta.txt"},
        {"\\My Documents", "/dev-root/My Documents/plenta.txt"},
        {"\\My Documents\\", "/dev-root/My Documents/plenta.txt"},
        {"\\", "/dev-root/plenta.txt"},
        {"/home/me/Sync", "/home/me/Sync/plenta.txt"},
        {"/" + std::string(258, 'a'), "/" + std::string(258, 'a') + "/plenta.txt"},
        {"/" + std::string(259, 'a'), "/dev-root/plenta.txt"}, // 260 characters: ignored
        // A NUL would cut the path at /etc/passwd; control characters are ignored alike.
        {"/etc/passwd" + std::string(1, '\0') + "x", "/dev-root/plenta.txt"},
        {"\\My\tDocuments", "/dev-root/plenta.txt"},
        {"/home/me/Sync\x7F", "/dev-root/plenta.txt"},
    };
    for (const Case &c : cases) {
        const ResolvedPaths paths = ResolvePaths(c.value, module, root);
        EXPECT_EQ(paths.journalPath, std::filesystem::path(c.journal)) << c.value.value_or("(none)");
        EXPECT_EQ(paths.messageCaption, "plenta");
        EXPECT_EQ(paths.pictureCandidates[0], std::filesystem::path("/dev-root/plenta.gif"));
        EXPECT_EQ(paths.pictureCandidates[1], std::filesystem::path("/opt/plenta/bin/plenta.gif"));
        EXPECT_EQ(paths.pictureCandidates[2], std::filesystem::path("/opt/plenta/share/plenta/plenta.gif"));
    }
}

TEST(JournalPathsTest, BaseNameIsTheFileNameWithoutItsExtension) {
    const std::filesystem::path root = "/r";
    struct Case {
        const char *module;
        const char *title;
        const char *journal;
        const char *picture;
    } const cases[] = {
        {"/Windows/Plenta.exe", "Plenta", "/r/Plenta.txt", "/Windows/Plenta.gif"},
        {"/a.b/plenta", "plenta", "/r/plenta.txt", "/a.b/plenta.gif"}, // a point in a folder is no extension
        {"/x/my.app.bin", "my.app", "/r/my.app.txt", "/x/my.app.gif"},
    };
    for (const Case &c : cases) {
        const ResolvedPaths paths = ResolvePaths(std::nullopt, c.module, root);
        EXPECT_EQ(paths.messageCaption, c.title);
        EXPECT_EQ(paths.journalPath, std::filesystem::path(c.journal));
        EXPECT_EQ(paths.pictureCandidates[1], std::filesystem::path(c.picture));
    }
}

// The user's picture in the root wins over a build folder's and the shipped one; with none the placeholder
// names the root, where a user can put one.
TEST(JournalPathsTest, PictureIsTheFirstCandidateThatExists) {
    test::TempFolder folder;
    const std::array<std::filesystem::path, 3> candidates{folder / "root.gif", folder / "beside.gif",
                                                          folder / "shipped.gif"};
    const struct {
        std::vector<int> present;
        int chosen;
    } cases[] = {{{}, 0}, {{2}, 2}, {{1, 2}, 1}, {{0, 1, 2}, 0}, {{0}, 0}};
    for (const auto &c : cases) {
        for (const auto &candidate : candidates) {
            std::filesystem::remove(candidate);
        }
        for (const int index : c.present) {
            test::WriteBytes(candidates[static_cast<std::size_t>(index)], "");
        }
        EXPECT_EQ(FindPicture(candidates), candidates[static_cast<std::size_t>(c.chosen)]) << c.chosen;
    }
}

TEST(JournalPathsTest, LongBaseNameKeeps99CharactersInTheTitle) {
    const std::string base(120, 'p');
    const ResolvedPaths paths = ResolvePaths(std::nullopt, "/bin/" + base, "/r");
    EXPECT_EQ(paths.messageCaption, std::string(99, 'p'));
    EXPECT_EQ(paths.journalPath, std::filesystem::path("/r/" + base + ".txt"));
}

TEST(JournalPathsTest, DevicePathToHost) {
    EXPECT_EQ(DevicePathToHost("/r", "\\A\\B"), std::filesystem::path("/r/A/B"));
    EXPECT_EQ(DevicePathToHost("/r", "\\\\A"), std::filesystem::path("/r/A"));
    EXPECT_EQ(DevicePathToHost("/r", ""), std::filesystem::path("/r"));
}

TEST(JournalPathsTest, CompanionNameIsTheFolderJoinedWithTheHiddenName) {
    // The short road for a plain name must name the file std::filesystem's parts name, in the same text.
    for (const char *file :
         {"j.txt", "/j.txt", "a/j.txt", "/a/b/j.txt", "a/./j.txt", "a//b/j.txt", "a//j.txt", "//j.txt",
          "a/b/", "a/.", "a/..", ".", "..", "/", "", "a/.versteckt", "a/b c/j \xE4.txt"}) {
        const std::filesystem::path path(file);
        const std::filesystem::path expected =
            path.parent_path() / ("." + path.filename().string() + ".lock");
        EXPECT_EQ(HiddenCompanionName(path, ".lock"), expected.native()) << file;
    }
}

} // namespace
} // namespace plenta
