// SPDX-License-Identifier: GPL-3.0-or-later
// The remembered zoom, read with a bound and only from a regular file.
#include "platform/ZoomSetting.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace plenta {

namespace {

constexpr std::string_view ZOOM_KEY = "Zoom=";
// The file holds one short line; anything beyond this is not ours and is not read.
constexpr std::size_t READ_LIMIT = 512;

std::optional<int> ZoomOfLine(std::string_view line, int minZoom, int maxZoom) {
    if (!line.starts_with(ZOOM_KEY)) {
        return std::nullopt;
    }
    line.remove_prefix(ZOOM_KEY.size());
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
        line.remove_suffix(1);
    }
    int zoom = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), zoom);
    if (line.empty() || error != std::errc() || end != line.data() + line.size() || zoom < minZoom ||
        zoom > maxZoom) {
        return std::nullopt;
    }
    return zoom;
}

} // namespace

std::optional<int> ReadZoomSetting(const std::filesystem::path &root, int minZoom, int maxZoom) {
    // Non-blocking, so that a FIFO in the file's place cannot hold the start-up; it is refused below.
    const int fd = ::open((root / SETTINGS_FILE_NAME).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    std::array<char, READ_LIMIT> buffer{};
    std::size_t size = 0;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        while (size < buffer.size()) {
            const ssize_t got = ::read(fd, buffer.data() + size, buffer.size() - size);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            size += static_cast<std::size_t>(got);
        }
    }
    ::close(fd);
    std::string_view text(buffer.data(), size);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (const std::optional<int> zoom = ZoomOfLine(text.substr(0, end), minZoom, maxZoom)) {
            return zoom;
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return std::nullopt;
}

bool WriteZoomSetting(const std::filesystem::path &root, int zoom) {
    const std::filesystem::path target = root / SETTINGS_FILE_NAME;
    struct stat status {};
    if (::lstat(target.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        return false;
    }
    const std::filesystem::path temporary = root / (std::string(".") + SETTINGS_FILE_NAME + ".tmp");
    const std::string text = std::string(ZOOM_KEY) + std::to_string(zoom) + "\n";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace plenta
