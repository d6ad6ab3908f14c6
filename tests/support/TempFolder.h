// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh folder per test, the journal's header line, and whole-file reads and writes in raw bytes, for tests
// that compare journals exactly.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace plenta::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "plenta-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a folder in " + pattern);
        }
        path_ = pattern;
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
    // The journal a test works on, and the temporary file its rewrite writes beside it.
    std::filesystem::path Journal() const { return path_ / "plenta.txt"; }
    std::filesystem::path Temporary() const { return path_ / ".plenta.txt.tmp"; }

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

inline constexpr uid_t NOBODY = 65534;

// Runs `body` in a child process as the user "nobody" (only root can switch users).
template <typename Body> void AsNobody(Body body) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = ::setgid(NOBODY) == 0 && ::setuid(NOBODY) == 0;
        if (dropped) {
            body();
        }
        ::_exit(!dropped ? 2 : testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

// Runs `body` as a user that permission bits bind. Root is exempt from them, so as root `folder` and all in
// it become the unprivileged user "nobody"'s and the body runs as that user in a child process.
template <typename Body> void AsUnprivilegedUser(const TempFolder &folder, Body body) {
    if (::geteuid() != 0) {
        if (!PermissionsAreEnforced(folder)) {
            GTEST_SKIP() << "permission bits are not enforced for this user";
        }
        body();
        return;
    }
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
        [[maybe_unused]] const int ignored = ::lchown(entry.path().c_str(), NOBODY, NOBODY);
    }
    ASSERT_EQ(::chown(folder.Path().c_str(), NOBODY, NOBODY), 0);
    AsNobody(body);
}

// The journal's first line, written out here so that a test notices when the program writes another one.
inline const std::string HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";

} // namespace plenta::test
