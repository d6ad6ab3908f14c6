// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the journal's folder and the journal itself to name what is missing before repeating the library's
// reason.
#include "FailureCause.h"

#include <sys/stat.h>

namespace plenta {
namespace {

std::string Quoted(const std::filesystem::path &path) {
    return "'" + path.string() + "'";
}

} // namespace

std::string FailureCause(const std::filesystem::path &journal, const std::filesystem::path &file,
                         std::string_view reason) {
    const std::filesystem::path folder = journal.has_parent_path() ? journal.parent_path() : ".";
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return "the folder " + Quoted(folder) + " does not exist";
    }
    if (!S_ISDIR(info.st_mode)) {
        return Quoted(folder) + " is not a folder";
    }
    const bool journalMissing = ::lstat(journal.c_str(), &info) != 0;
    if (journalMissing && (reason.empty() || file.empty() || file == journal)) {
        return Quoted(journal) + " does not exist";
    }
    if (reason.empty()) {
        return Quoted(journal) + " was left as it is";
    }
    return Quoted(file.empty() ? journal : file) + " " + std::string(reason);
}

ExitCode CannotOpenJournal(const std::filesystem::path &journal, const std::filesystem::path &file,
                           std::string_view reason) {
    return Fail(ExitCode::Failure, "cannot open the journal: " + FailureCause(journal, file, reason));
}

} // namespace plenta
