// SPDX-License-Identifier: GPL-3.0-or-later
// The remembered zoom: what a settings file yields, what is refused, and a write read back.
#include "platform/ZoomSetting.h"

#include <TempFolder.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace plenta {
namespace {

TEST(ZoomSettingTest, ReadsOnlyAWholeNumberInRange) {
    struct Case {
        std::string text;
        std::optional<int> zoom;
    } const cases[] = {
        {"Zoom=2\n", 2},
        {"Zoom=4\r\n", 4},
        {"# mine\nOther=1\nZoom=3", 3},
        {"Zoom=5\n", std::nullopt},
        {"Zoom=0\n", std::nullopt},
        {"Zoom=2x\n", std::nullopt},
        {"Zoom=\n", std::nullopt},
        {"zoom=2\n", std::nullopt},
        {" Zoom=2\n", std::nullopt},
        // Only the first few hundred bytes are read: a setting behind a long line is not reached.
        {std::string(4096, '#') + "\nZoom=2\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case &c : cases) {
        test::TempFolder root;
        test::WriteBytes(root / SETTINGS_FILE_NAME, c.text);
        EXPECT_EQ(ReadZoomSetting(root.Path(), 1, 4), c.zoom) << c.text.substr(0, 40);
    }
}

TEST(ZoomSettingTest, OnlyARegularFileIsReadOrReplaced) {
    test::TempFolder root;
    EXPECT_EQ(ReadZoomSetting(root.Path(), 1, 4), std::nullopt) << "no file";
    // A FIFO would block a plain open; it must be refused at once.
    ASSERT_EQ(::mkfifo((root / SETTINGS_FILE_NAME).c_str(), 0600), 0);
    EXPECT_EQ(ReadZoomSetting(root.Path(), 1, 4), std::nullopt);
    EXPECT_FALSE(WriteZoomSetting(root.Path(), 2));
    std::filesystem::remove(root / SETTINGS_FILE_NAME);
    std::filesystem::create_directory(root / SETTINGS_FILE_NAME);
    EXPECT_EQ(ReadZoomSetting(root.Path(), 1, 4), std::nullopt);
    EXPECT_FALSE(WriteZoomSetting(root.Path(), 2));
    EXPECT_TRUE(std::filesystem::is_directory(root / SETTINGS_FILE_NAME));
}

TEST(ZoomSettingTest, AWrittenZoomReadsBackAndLeavesNoTemporaryFile) {
    test::TempFolder root;
    ASSERT_TRUE(WriteZoomSetting(root.Path(), 3));
    ASSERT_TRUE(WriteZoomSetting(root.Path(), 2));
    EXPECT_EQ(ReadZoomSetting(root.Path(), 1, 4), 2);
    EXPECT_EQ(test::ReadBytes(root / SETTINGS_FILE_NAME), "Zoom=2\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root.Path()), {}), 1);
}

} // namespace
} // namespace plenta
