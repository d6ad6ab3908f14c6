// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the folder with mkdtemp in the system's temporary folder (the same disk as a real journal here).
#include "ScratchDir.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace plenta::bench {

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plenta-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

ScratchDir::~ScratchDir() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

} // namespace plenta::bench
