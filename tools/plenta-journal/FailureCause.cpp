// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the journal's folder and the journal itself to name what is missing before repeating the library's
// reason.
#include "FailureCause.h"
#include "UsageChecks.h"

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
        return Said(PLENTA_TEXT("plenta-journal", "der Ordner %1 existiert nicht"), {Quoted(folder)});
    }
    if (!S_ISDIR(info.st_mode)) {
        return Said(PLENTA_TEXT("plenta-journal", "%1 ist kein Ordner"), {Quoted(folder)});
    }
    const bool journalMissing = ::lstat(journal.c_str(), &info) != 0;
    if (journalMissing && (reason.empty() || file.empty() || file == journal)) {
        return Said(PLENTA_TEXT("plenta-journal", "%1 existiert nicht"), {Quoted(journal)});
    }
    if (reason.empty()) {
        return Said(PLENTA_TEXT("plenta-journal", "%1 blieb, wie es war"), {Quoted(journal)});
    }
    return Quoted(file.empty() ? journal : file) + " " + std::string(reason);
}

ExitCode CannotOpenJournal(const std::filesystem::path &journal, const std::filesystem::path &file,
                           std::string_view reason) {
    return Fail(ExitCode::Failure, Said(PLENTA_TEXT("plenta-journal", "kann das Tagebuch nicht öffnen: %1"),
                                        {FailureCause(journal, file, reason)}));
}

ExitCode CannotRewrite(const std::filesystem::path &journal, const std::filesystem::path &file,
                       std::string_view reason) {
    return Fail(ExitCode::Failure,
                Said(PLENTA_TEXT("plenta-journal", "kann das Tagebuch nicht neu schreiben: %1"),
                     {FailureCause(journal, file, reason)}));
}

} // namespace plenta
