// SPDX-License-Identifier: GPL-3.0-or-later
// A private temporary folder for one benchmark's files, removed with everything in it when it goes.
#pragma once

#include <filesystem>

namespace plenta::bench {

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    // Empty when the folder could not be made.
    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace plenta::bench
