// SPDX-License-Identifier: GPL-3.0-or-later
// The handheld's root folder, registry and module name, stood in for by a folder, a text file and /proc.
#include "platform/DeviceRoot.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenta {

namespace {

constexpr std::string_view SYNC_KEY = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows CE Services]";
constexpr std::string_view SYNC_VALUE = "FileSyncPath=";
constexpr std::size_t MAX_SYNC_VALUE_BYTES = 520;
// Far more than the one key it holds; the rest of a larger file is not read.
constexpr std::size_t MAX_REGISTRY_BYTES = 64 * 1024;

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

std::filesystem::path DeviceRootPath() {
    if (const char *set = std::getenv("PLENTA_ROOT"); set != nullptr && *set != '\0') {
        return set;
    }
    return HomeFolder() / ".local" / "share" / "plenta";
}

std::filesystem::path DeviceRoot() {
    const std::filesystem::path root = DeviceRootPath();
    // A root that cannot be made shows up later as a journal that cannot be opened; that is reported there.
    std::error_code ignored;
    std::filesystem::create_directories(root, ignored);
    return root;
}

namespace {

// The registry file's bytes, at most MAX_REGISTRY_BYTES; nothing unless it is a regular file. Opened without
// blocking, so that a FIFO in its place cannot hang the start-up.
std::optional<std::string> ReadRegistryFile(const std::filesystem::path &file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        bytes.emplace(MAX_REGISTRY_BYTES, '\0');
        std::size_t have = 0;
        while (have < bytes->size()) {
            const ssize_t got = ::read(fd, bytes->data() + have, bytes->size() - have);
            if (got > 0) {
                have += static_cast<std::size_t>(got);
            } else if (got == 0 || errno != EINTR) {
                break;
            }
        }
        bytes->resize(have);
    }
    ::close(fd);
    return bytes;
}

} // namespace

std::optional<std::string> ReadFileSyncPath(const std::filesystem::path &root) {
    const std::optional<std::string> bytes = ReadRegistryFile(root / "registry.ini");
    if (!bytes) {
        return std::nullopt;
    }
    std::string_view rest = *bytes;
    bool inKey = false;
    while (!rest.empty()) {
        const std::size_t lf = rest.find('\n');
        std::string_view line = rest.substr(0, lf);
        rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.starts_with('[')) {
            inKey = line == SYNC_KEY;
        } else if (inKey && line.starts_with(SYNC_VALUE)) {
            const std::string_view value = line.substr(SYNC_VALUE.size());
            // The handheld's registry hands out at most 520 bytes; a longer value is none at all.
            if (value.size() > MAX_SYNC_VALUE_BYTES) {
                return std::nullopt;
            }
            return std::string(value);
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
