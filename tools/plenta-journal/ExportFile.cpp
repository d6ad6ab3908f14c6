// SPDX-License-Identifier: GPL-3.0-or-later
// The destination is looked at with lstat and replaced by rename, which never follows a link in the last
// component: a link planted there is replaced, not written through.
#include "ExportFile.h"
#include "UsageChecks.h"

#include "journal/FileDescriptor.h"
#include "journal/JournalLock.h"
#include "journal/JournalTarget.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace plenta {

namespace {

std::string TheJournal() {
    return std::string(
        Said(PLENTA_TEXT("plenta-journal", "die Datei ist das Tagebuch oder seine Sperrdatei")));
}

std::string SystemError(int error) {
    return std::generic_category().message(error);
}

bool SameFile(const struct stat &a, const std::filesystem::path &file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && info.st_dev == a.st_dev && info.st_ino == a.st_ino;
}

// A new temporary file in `folder`, created exclusively (never an existing file or a link), or -1.
int CreateTemporary(const std::filesystem::path &folder, const std::string &name,
                    std::filesystem::path &temp) {
    for (int counter = 0; counter < 100; ++counter) {
        temp =
            folder / ("." + name + ".export-" + std::to_string(::getpid()) + "-" + std::to_string(counter));
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

} // namespace

std::optional<std::string> WriteExportFile(const std::filesystem::path &out, std::string_view text,
                                           const std::filesystem::path &journal) {
    const std::filesystem::path target = ResolveJournalTarget(journal).value_or(journal);
    const std::filesystem::path lockFile = HiddenCompanionOf(target, ".lock");
    struct stat existing {};
    const bool exists = ::lstat(out.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISLNK(existing.st_mode)) {
            return std::string(Said(PLENTA_TEXT(
                "plenta-journal", "die Datei ist ein symbolischer Link, dem ein Export nie folgt")));
        }
        if (!S_ISREG(existing.st_mode)) {
            return std::string(Said(PLENTA_TEXT("plenta-journal", "keine gewöhnliche Datei")));
        }
        if (SameFile(existing, target) || SameFile(existing, lockFile)) {
            return TheJournal();
        }
    } else if (errno != ENOENT) {
        return Said(PLENTA_TEXT("plenta-journal", "die Datei ist nicht zu prüfen: %1"), {SystemError(errno)});
    }
    const std::string name = out.filename().string();
    if (name.empty() || name == "." || name == "..") {
        return std::string(Said(PLENTA_TEXT("plenta-journal", "der Name nennt keine Datei")));
    }
    const std::filesystem::path folder = out.has_parent_path() ? out.parent_path() : ".";
    if ((folder / name).lexically_normal() == lockFile.lexically_normal()) {
        return TheJournal();
    }
    std::filesystem::path temp;
    FileDescriptor fd(CreateTemporary(folder, name, temp));
    if (fd.Get() < 0) {
        return Said(PLENTA_TEXT("plenta-journal", "keine temporäre Datei daneben möglich: %1"),
                    {SystemError(errno)});
    }
    // A replaced export keeps its permission bits; a new one gets the usual ones less the umask.
    const bool written = (!exists || ::fchmod(fd.Get(), existing.st_mode & 0777) == 0) &&
                         WriteAll(fd.Get(), text) && ::fsync(fd.Get()) == 0 && fd.Close();
    if (!written || ::rename(temp.c_str(), out.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Said(
            PLENTA_TEXT("plenta-journal",
                        "die Datei ist nicht zu schreiben: %1; ein früherer Export dort bleibt erhalten"),
            {SystemError(error)});
    }
    const FileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Get() >= 0) {
        ::fsync(folderFd.Get());
    }
    return std::nullopt;
}

} // namespace plenta
