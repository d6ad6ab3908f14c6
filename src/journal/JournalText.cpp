// Reads through the scan's own line reader, so the merge and the export see exactly the lines the scan sees.
#include "journal/JournalText.h"

#include "journal/FileDescriptor.h"
#include "journal/JournalLock.h"
#include "journal/LineReader.h"

#include <fcntl.h>

namespace plenta {

bool ReadFileLines(const std::filesystem::path &file,
                   const std::function<void(std::string_view line)> &visit) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
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

std::optional<std::string> ReadJournalText(const std::filesystem::path &journal, MissingText missing) {
    // A folder where no lock file can be made is read-only, so no rewrite can run there; as for the scan.
    const JournalLock lock(journal, LockMode::Shared);
    if (!lock.Held() && !lock.Unavailable()) {
        return std::nullopt;
    }
    std::string content;
    if (ReadFileLines(journal, [&](std::string_view line) { content += line; })) {
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
