// A fresh folder per test, and whole-file reads and writes in raw bytes, for tests that compare journals
// exactly.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

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

inline constexpr const char *HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";

} // namespace plenta::test
