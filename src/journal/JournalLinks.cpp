// SPDX-License-Identifier: GPL-3.0-or-later
// Each link is judged in its own folder, with the same lstat the kernel's path walk makes; the target's first
// bytes are read without blocking and only from a regular file.
#include "journal/JournalLinks.h"

#include "journal/FileDescriptor.h"
#include "journal/JournalTarget.h"
#include "journal/ReasonText.h"

#include <StringTable.h>

#include <cerrno>
#include <climits>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace plenta {

namespace {

constexpr int MAX_LINK_HOPS = 40;

// The kernel's rule (fs.protected_symlinks): in a sticky, world-writable folder only a link owned by the
// folder's owner or by the follower is followed.
bool FollowedByTheKernelsRule(const std::filesystem::path &link, const struct stat &linkInfo) {
    const std::filesystem::path folder = link.has_parent_path() ? link.parent_path() : ".";
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0) {
        return false;
    }
    const bool shared = (folderInfo.st_mode & S_ISVTX) != 0 && (folderInfo.st_mode & S_IWOTH) != 0;
    return !shared || linkInfo.st_uid == folderInfo.st_uid || linkInfo.st_uid == ::geteuid();
}

// Whether `target` is not a regular file with other text: empty, beginning with the journal's header line,
// missing (a journal yet to be made), or no regular file at all, which every command refuses on its own.
bool IsJournalOrEmpty(const std::filesystem::path &target) {
    const FileDescriptor fd(OpenRegularForReading(target));
    if (fd.Get() < 0) {
        return true;
    }
    const std::string_view header = LoadText(StringId::JournalHeader);
    std::string start(header.size(), '\0');
    ssize_t got = 0;
    do {
        got = ::pread(fd.Get(), start.data(), start.size(), 0);
    } while (got < 0 && errno == EINTR);
    if (got == 0) {
        return true;
    }
    // The header's text up to its line end; a CR LF or LF ending both count.
    const std::string_view line = header.substr(0, header.find_first_of("\r\n"));
    return got > 0 && std::string_view(start.data(), static_cast<std::size_t>(got)).starts_with(line);
}

} // namespace

std::optional<RefusedLink> RefuseJournalLinks(const std::filesystem::path &journal) {
    if (journal.empty() || journal.native().find('\0') != std::string::npos) {
        return std::nullopt;
    }
    std::filesystem::path current = journal;
    bool linked = false;
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            break;
        }
        if (!FollowedByTheKernelsRule(current, info)) {
            return RefusedLink{
                current, ReasonText(PLENTA_TEXT(
                             "journal", "ist ein Link, den ein anderer Benutzer in einem Ordner angelegt "
                                        "hat, in den jeder schreiben darf; ihm wurde nicht gefolgt"))};
        }
        const std::optional<std::filesystem::path> next = LinkTarget(current);
        if (!next) {
            return std::nullopt;
        }
        current = *next;
        linked = true;
    }
    if (linked && !IsJournalOrEmpty(current)) {
        return RefusedLink{
            journal,
            ReasonText(PLENTA_TEXT("journal",
                                   "ist ein Link auf '%1', das kein Tagebuch ist (seine erste Zeile ist "
                                   "nicht die Kopfzeile eines Tagebuchs); ihm wurde nicht gefolgt"),
                       {current.string()})};
    }
    return std::nullopt;
}

} // namespace plenta
