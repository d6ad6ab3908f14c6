// A fresh folder per test that is removed again afterwards, so trials never see each other's files.
#pragma once

#include <filesystem>

namespace plenta::reliability {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &Path() const { return path_; }
    std::filesystem::path Journal() const { return path_ / "plenta.txt"; }
    std::filesystem::path Temporary() const { return path_ / ".plenta.txt.tmp"; }

private:
    std::filesystem::path path_;
};

} // namespace plenta::reliability
