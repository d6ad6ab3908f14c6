// The handheld's root folder, registry and module name, stood in for by a folder, a text file and /proc.
#include "DeviceRoot.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace plenta {

namespace {

constexpr std::string_view SYNC_KEY = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows CE Services]";
constexpr std::string_view SYNC_VALUE = "FileSyncPath=";

std::filesystem::path HomeFolder() {
    if (const char *home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd *user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    return ".";
}

} // namespace

std::filesystem::path DeviceRoot() {
    std::filesystem::path root;
    if (const char *set = std::getenv("PLENTA_ROOT"); set != nullptr && *set != '\0') {
        root = set;
    } else {
        root = HomeFolder() / ".local" / "share" / "plenta";
    }
    // A root that cannot be made shows up later as a journal that cannot be opened; that is reported there.
    std::error_code ignored;
    std::filesystem::create_directories(root, ignored);
    return root;
}

std::optional<std::string> ReadFileSyncPath(const std::filesystem::path &root) {
    std::ifstream file(root / "registry.ini", std::ios::binary);
    bool inKey = false;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with('[')) {
            inKey = line == SYNC_KEY;
        } else if (inKey && line.starts_with(SYNC_VALUE)) {
            return line.substr(SYNC_VALUE.size());
        }
    }
    return std::nullopt;
}

std::filesystem::path ModulePath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : path;
}

} // namespace plenta
