// Reads through the scan's own line reader, so the merge and the export see exactly the lines the scan sees.
#include "journal/JournalText.h"

#include "journal/FileDescriptor.h"
#include "journal/JournalLock.h"
#include "journal/LineReader.h"
#include "journal/WriterWait.h"

#include <fcntl.h>

namespace plenta {

namespace {

// Every line of the open regular file `fd` to `visit`; false when it is none or a read failed.
bool ReadLines(const FileDescriptor &fd, const std::function<void(std::string_view line)> &visit) {
    const std::optional<std::size_t> size = fd.RegularSize();
    if (!size) {
        return false;
    }
    LineReader reader(fd.Get(), *size);
    std::string_view line;
    while (reader.Next(line)) {
        visit(line);
    }
    return !reader.Failed();
}

} // namespace

bool ReadFileLines(const std::filesystem::path &file,
                   const std::function<void(std::string_view line)> &visit) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    return ReadLines(fd, visit);
}

std::optional<std::string> ReadJournalText(const std::filesystem::path &journal, MissingText missing) {
    // A folder where no lock file can be made is read-only, so no rewrite can run there; as for the scan.
    const JournalLock lock(journal, LockMode::Shared);
    if (!lock.Held() && !lock.Unavailable()) {
        return std::nullopt;
    }
    std::string content;
    const FileDescriptor fd(::open(journal.c_str(), O_RDONLY | O_CLOEXEC));
    if (ReadLines(fd, [&](std::string_view line) { content += line; })) {
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
