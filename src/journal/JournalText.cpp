// SPDX-License-Identifier: GPL-3.0-or-later
// Reads through the scan's own line reader, so the merge and the export see exactly the lines the scan sees.
#include "journal/JournalText.h"

#include "journal/FileDescriptor.h"
#include "journal/JournalLinks.h"
#include "journal/JournalLock.h"
#include "journal/JournalRecord.h"
#include "journal/JournalTarget.h"
#include "journal/LineReader.h"
#include "journal/WriterWait.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace plenta {

namespace {

// FNV-1a, enough to notice that a file's bytes changed.
constexpr std::uint64_t DIGEST_START = 14695981039346656037ULL;
std::uint64_t Digest(std::uint64_t digest, std::string_view bytes) {
    for (const char c : bytes) {
        digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return digest;
}

// Every line of the open regular file `fd` to `visit`; false when it is none or a read failed.
bool ReadLines(int fd, const std::function<void(std::string_view line)> &visit, FileSeen *seen) {
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > MAX_READ_BYTES) {
        errno = EFBIG;
        return false;
    }
    LineReader reader(fd, size, MAX_LINE_BYTES);
    std::uint64_t digest = DIGEST_START;
    std::string_view line;
    while (reader.Next(line)) {
        digest = Digest(digest, line);
        if (visit) {
            visit(line);
        }
    }
    if (seen != nullptr) {
        *seen = {info.st_dev, info.st_ino, info.st_size, Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim),
                 digest};
    }
    return !reader.Failed();
}

} // namespace

bool ReadFileLines(const std::filesystem::path &file, const std::function<void(std::string_view line)> &visit,
                   FileSeen *seen) {
    // Looked at first and opened without blocking: a FIFO given as a copy is refused at once.
    const FileDescriptor fd(OpenRegularForReading(file));
    return ReadLines(fd.Get(), visit, seen);
}

std::optional<FileSeen> SeeOpenFile(int fd) {
    FileSeen seen;
    if (::lseek(fd, 0, SEEK_SET) != 0 || !ReadLines(fd, {}, &seen)) {
        return std::nullopt;
    }
    return seen;
}

std::optional<std::string> ReadJournalText(const std::filesystem::path &journal, MissingText missing) {
    // A folder where no lock file can be made is read-only, so no rewrite can run there; as for the scan.
    if (RefuseJournalLinks(journal)) {
        return std::nullopt;
    }
    const JournalLock lock(journal, LockMode::Shared);
    if (!lock.Held() && !lock.Unavailable()) {
        return std::nullopt;
    }
    std::string content;
    const FileDescriptor fd(OpenRegularForReading(journal));
    if (ReadLines(
            fd.Get(), [&](std::string_view line) { content += line; }, nullptr)) {
        // As for the scan, a last line another program is still writing is not there yet.
        if (!content.empty() && content.back() != '\n' && LastLineStillWritten(fd.Get())) {
            content.erase(content.rfind('\n') + 1);
        }
        return content;
    }
    std::error_code error;
    if (missing == MissingText::Empty &&
        std::filesystem::symlink_status(journal, error).type() == std::filesystem::file_type::not_found) {
        return std::string();
    }
    return std::nullopt;
}

} // namespace plenta
