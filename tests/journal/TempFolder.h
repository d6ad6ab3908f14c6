// A fresh folder per test, and whole-file reads and writes in raw bytes, for tests that compare journals
// exactly.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace plenta::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("plenta-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &Path() const { return path_; }
    std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Root ignores permission bits, so tests that rely on them cannot run as root.
inline bool PermissionsAreEnforced(const TempFolder &folder) {
    const std::filesystem::path probe = folder / "probe";
    std::filesystem::create_directory(probe);
    std::filesystem::permissions(probe,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool enforced = !std::ofstream(probe / "x").is_open();
    std::filesystem::permissions(probe, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(probe);
    return enforced;
}

// Runs `body` as a user that permission bits bind. Root is exempt from them, so as root the body runs in a
// child process that owns `folder` and has dropped to the unprivileged user "nobody".
template <typename Body> void AsUnprivilegedUser(const TempFolder &folder, Body body) {
    if (::geteuid() != 0) {
        if (!PermissionsAreEnforced(folder)) {
            GTEST_SKIP() << "permission bits are not enforced for this user";
        }
        body();
        return;
    }
    constexpr uid_t NOBODY = 65534;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (const auto &entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
            [[maybe_unused]] const int ignored = ::lchown(entry.path().c_str(), NOBODY, NOBODY);
        }
        const bool dropped = ::chown(folder.Path().c_str(), NOBODY, NOBODY) == 0 && ::setgid(NOBODY) == 0 &&
                             ::setuid(NOBODY) == 0;
        if (dropped) {
            body();
        }
        ::_exit(!dropped ? 2 : testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

inline constexpr const char *HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";

} // namespace plenta::test
