// SPDX-License-Identifier: GPL-3.0-or-later
// The registry file as the handheld's registry, and the device root.
#include "platform/DeviceRoot.h"

#include <TempFolder.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace plenta {
namespace {

class DeviceRootTest : public testing::Test {
protected:
    void Registry(const std::string &text) { test::WriteBytes(root_ / "registry.ini", text); }

    test::TempFolder folder_;
    const std::filesystem::path &root_ = folder_.Path();
};

TEST_F(DeviceRootTest, ReadsFileSyncPathFromTheKey) {
    const std::string key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows CE Services]";
    struct Case {
        std::string text;
        std::optional<std::string> value;
    } const cases[] = {
        {key + "\nFileSyncPath=\\My Documents\n", "\\My Documents"},
        {key + "\r\nFileSyncPath=/home/me/Sync\r\n", "/home/me/Sync"},
        {"[Other]\nFileSyncPath=/wrong\n" + key + "\nOther=1\nFileSyncPath=/right\n", "/right"},
        {key + "\n[Other]\nFileSyncPath=/wrong\n", std::nullopt},
        {"FileSyncPath=/outside\n", std::nullopt},
        {key + "\nfilesyncpath=/case\n", std::nullopt},
        {key + "\nFileSyncPath=\"C:\\a\"  ;x", "\"C:\\a\"  ;x"}, // taken literally, last line without LF
        {key + "\nFileSyncPath=\n", ""},
        {"", std::nullopt},
        {key + "\nFileSyncPath=/" + std::string(519, 'a') + "\n", "/" + std::string(519, 'a')},
        {key + "\nFileSyncPath=/" + std::string(520, 'a') + "\n", std::nullopt}, // over 520 bytes
        {key + "\nFileSyncPath=/a" + std::string(1, '\0') + "b\n", "/a" + std::string(1, '\0') + "b"},
    };
    for (const Case &c : cases) {
        Registry(c.text);
        EXPECT_EQ(ReadFileSyncPath(root_), c.value) << c.text;
    }
    std::filesystem::remove(root_ / "registry.ini");
    EXPECT_EQ(ReadFileSyncPath(root_), std::nullopt);
    // Only a regular file is read: a FIFO would otherwise wait for a writer forever.
    ASSERT_EQ(::mkfifo((root_ / "registry.ini").c_str(), 0600), 0);
    EXPECT_EQ(ReadFileSyncPath(root_), std::nullopt);
    std::filesystem::remove(root_ / "registry.ini");
    std::filesystem::create_directory(root_ / "registry.ini");
    EXPECT_EQ(ReadFileSyncPath(root_), std::nullopt);
}

TEST_F(DeviceRootTest, RootFromTheEnvironmentIsCreated) {
    const std::filesystem::path wanted = root_ / "a" / "b";
    ::setenv("PLENTA_ROOT", wanted.c_str(), 1);
    EXPECT_EQ(DeviceRoot(), wanted);
    EXPECT_TRUE(std::filesystem::is_directory(wanted));
    ::setenv("HOME", root_.c_str(), 1);
    ::unsetenv("PLENTA_ROOT");
    EXPECT_EQ(DeviceRoot(), root_ / ".local" / "share" / "plenta");
    EXPECT_TRUE(std::filesystem::is_directory(root_ / ".local" / "share" / "plenta"));
}

TEST(ModulePathTest, IsThisTestProgram) {
    EXPECT_EQ(ModulePath().filename(), "platform_tests");
    EXPECT_TRUE(ModulePath().is_absolute());
}

} // namespace
} // namespace plenta
