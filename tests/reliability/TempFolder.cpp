// A fresh folder per test.
#include "TempFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace plenta::reliability {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plenta-reliability-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a folder in " + pattern);
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace plenta::reliability
